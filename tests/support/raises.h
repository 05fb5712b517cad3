// Assertions on errors raised as kuE pointers: the kind and the exact message.
#pragma once

#include "kuExceptions.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// Runs f and returns the kuE it raised (now owned by the caller), or null when it raised none.
template <class F> std::unique_ptr<kuE> raisedBy(F&& f) {
    try {
        f();
    } catch (kuE* error) {
        return std::unique_ptr<kuE>(error);
    }
    return nullptr;
}

template <class F>
::testing::AssertionResult raises(F&& f, kuE::t kind, const std::string& message,
                                  const std::string& typeName = "") {
    std::unique_ptr<kuE> error = raisedBy(f);
    if (!error)
        return ::testing::AssertionFailure() << "nothing was raised";
    if (error->getKind() != kind || message != error->getMessage() ||
        typeName != error->getTypeName())
        return ::testing::AssertionFailure()
               << "raised kind " << error->getKind() << " type \"" << error->getTypeName()
               << "\" message \"" << error->getMessage() << "\"";
    return ::testing::AssertionSuccess();
}

template <class F>::testing::AssertionResult raisesBug(F&& f, const std::string& message) {
    return raises(f, kuE::bug, message);
}
