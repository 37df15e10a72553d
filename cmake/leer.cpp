// Keeps a layer library buildable while it has no files of its own yet.
