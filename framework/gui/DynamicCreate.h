#pragma once

#include <memory>

#include "core/Object.h"

// Creates an object of a registered class; null when it is not a T.
template <class T>
std::unique_ptr<T> AfxCreateObject(const CRuntimeClass& runtimeClass) {
    std::unique_ptr<CObject> object(runtimeClass.CreateObject());
    T* typed = dynamic_cast<T*>(object.get());
    if (!typed) {
        return nullptr;
    }
    object.release();
    return std::unique_ptr<T>(typed);
}
