public class Hello {
    /** doc */
    public static void main(String[] args) {
        synchronized (this) { System.out.println("hi"); }
    }
}
