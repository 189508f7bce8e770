#include "Object.h"

#include <string>
#include <unordered_map>

namespace {

std::unordered_map<std::string_view, const CRuntimeClass*>& Registry() {
    static std::unordered_map<std::string_view, const CRuntimeClass*> registry;
    return registry;
}

}  // namespace

const CRuntimeClass* CRuntimeClass::FromName(std::string_view className) {
    const auto it = Registry().find(className);
    return it == Registry().end() ? nullptr : it->second;
}

void CRuntimeClass::Register(const CRuntimeClass* runtimeClass) {
    Registry().emplace(runtimeClass->m_lpszClassName, runtimeClass);
}

void CObject::Serialize(CArchive&) {}
