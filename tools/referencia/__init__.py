"""Independent hand calculations to test the program against (see README.md)."""
