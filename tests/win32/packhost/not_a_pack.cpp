// A library that exports nothing a pack host looks for.
extern "C" int __stdcall Hello() {
    return 1;
}
