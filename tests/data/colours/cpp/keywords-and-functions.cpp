class Point {
public:
    double Length() const;
    static int count;
};
