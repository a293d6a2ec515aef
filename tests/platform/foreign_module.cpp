// A loadable module that is not a component library: it exports none of the four entry points.
extern "C" int foreign_entry_point() {
    return 42;
}
