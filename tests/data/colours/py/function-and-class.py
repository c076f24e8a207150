def greet(name):
    """Says hello."""
    print("hello", name)  # comment
class A: pass
