// The shared libraries are their static cores linked whole; CMake needs one source.
