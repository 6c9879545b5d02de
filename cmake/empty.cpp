// empty.cpp - a shared library needs one source of its own; a module's code comes whole from its core.
