// QGeneric: a window of a class that the host registered; its class is named by ClassName,
// which the host sets through "Host". (Velpack only: the test build has no such class.)
#pragma once

#include "packlib/window/frame.h"

class VELPACK_API QGeneric : public QFrame {
public:
    // A 50 by 50 child window.
    QGeneric();
    char* GetPropList() override;
    QPropInfo* GetPropInfo(std::string& name) override;
    char* GetPropValue(std::string& name) override;
    bool SetPropValue(std::string& name, const char* value) override;
    bool IsA(const std::string& className) override;

    std::string Host = "QGeneric";
};
