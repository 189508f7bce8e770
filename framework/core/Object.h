#pragma once

#include <cstddef>
#include <string_view>

class CArchive;
class CObject;

// Describes a class that can be created by name at run time.
struct CRuntimeClass {
    const char* m_lpszClassName;
    std::size_t m_nObjectSize;
    CObject* (*m_pfnCreateObject)();

    CObject* CreateObject() const { return m_pfnCreateObject(); }

    // Every class registered with IMPLEMENT_DYNCREATE; null for an unknown name.
    static const CRuntimeClass* FromName(std::string_view className);
    static void Register(const CRuntimeClass* runtimeClass);
};

class CObject {
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const = 0;
    virtual void Serialize(CArchive& ar);

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define DECLARE_DYNCREATE(class_name)                       \
public:                                                     \
    static const CRuntimeClass class##class_name;           \
    static CObject* CreateObject() {                        \
        return new class_name;                              \
    }                                                       \
    const CRuntimeClass* GetRuntimeClass() const override { \
        return &class##class_name;                          \
    }                                                       \
                                                            \
private:

// Registers at static initialisation, so creation by name works from main() on.
#define IMPLEMENT_DYNCREATE(class_name)                            \
    const CRuntimeClass class_name::class##class_name {            \
#class_name, sizeof(class_name), &class_name::CreateObject \
    };                                                             \
    namespace {                                                    \
    const bool kRegistered##class_name = [] {                      \
        CRuntimeClass::Register(&class_name::class##class_name);   \
        return true;                                               \
    }();                                                           \
    }
