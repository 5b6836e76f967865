#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "platform/failure.h"

namespace pelorin::testing {

// The kind of Failure that action throws; a test failure if it throws none.
inline FailureKind failureOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Failure& failure) {
    return failure.kind();
  }
  ADD_FAILURE() << "no failure";
  return FailureKind::Arithmetic;
}

}  // namespace pelorin::testing
