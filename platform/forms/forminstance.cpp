#include "forminstance.h"

namespace {
// Made on first use: the instances are globals of other files, made in no fixed order.
std::vector<FormInstanceBase*>& instances() {
    static std::vector<FormInstanceBase*> list;
    return list;
}
} // namespace

FormInstanceBase::FormInstanceBase() {
    instances().push_back(this);
}

FormInstanceBase::~FormInstanceBase() {
    std::erase(instances(), this);
}

const std::vector<FormInstanceBase*>& FormInstanceBase::all() {
    return instances();
}
