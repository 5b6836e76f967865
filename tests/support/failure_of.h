#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "platform/failure.h"

namespace pelorin::testing {

// The Failure that action throws; a test failure if it throws none.
inline Failure caughtFailure(const std::function<void()>& action) {
  try {
    action();
  } catch (const Failure& failure) {
    return failure;
  }
  ADD_FAILURE() << "no failure";
  return Failure(FailureKind::Arithmetic, QStringLiteral("<none thrown>"));
}

inline FailureKind failureOf(const std::function<void()>& action) { return caughtFailure(action).kind(); }

}  // namespace pelorin::testing
