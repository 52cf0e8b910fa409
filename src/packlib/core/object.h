// The root of the class tree and the object header with the base of the property
// protocol. The six protocol operations are the first six virtual functions, in this order.
#pragma once

#include <cstdint>
#include <string>

#include "packlib/api.h"
#include "packlib/core/protocol.h"

// Abstract root: declares the protocol operations (dispatch-table slots 0 to 5). The
// classes have no virtual destructor so that the slots keep their numbers; objects are
// deleted through their own class.
class VELPACK_API QPersistent {
public:
    // Slot 0: the property names, one line feed between two.
    virtual char* GetPropList() = 0;
    // Slot 1: a new info record, or null for a name not recognised or empty. A frame
    // cuts an index part off the name in place.
    virtual QPropInfo* GetPropInfo(std::string& name) = 0;
    // Slot 2: a new text holding the value, or null.
    virtual char* GetPropValue(std::string& name) = 0;
    // Slot 3: stores the value text; true when the property took it.
    virtual bool SetPropValue(std::string& name, const char* value) = 0;
    // Slot 4: whether the object is of the named class (without regard to case).
    virtual bool IsA(const std::string& className) = 0;
    // Slot 5: runs a named method; the object, or null when the name is unknown.
    virtual QPersistent* Invoke(const std::string& method) = 0;

protected:
    ~QPersistent() = default;
};

// Every object enters the library's registry of live objects when it is made and
// leaves it when it ends (registry.h).
class VELPACK_API QObject : public QPersistent {
public:
    QObject();
    QObject(const QObject& other);
    QObject& operator=(const QObject& other) = default;
    ~QObject();

    char* GetPropList() override;
    QPropInfo* GetPropInfo(std::string& name) override;
    char* GetPropValue(std::string& name) override;
    bool SetPropValue(std::string& name, const char* value) override;
    bool IsA(const std::string& className) override;
    QPersistent* Invoke(const std::string& method) override;

    std::int32_t Tag = 0;
    std::string ClassName;
    std::string ClassAncestor;
};
