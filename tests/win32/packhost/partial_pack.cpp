// A library with two of the property entry points but without "REGISTER@0".
extern "C" {

char* __stdcall GETPROPLIST(void*) {
    return nullptr;
}

char* __stdcall GETPROPVALUE(void*, const char*) {
    return nullptr;
}

}
