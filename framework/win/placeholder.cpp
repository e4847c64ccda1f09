// Keeps the library non-empty until its first sources arrive.
