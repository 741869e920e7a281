// Test helper: the message of the error a call throws.
#pragma once

#include <exception>
#include <functional>
#include <string>

// The text of the error `fn` throws, if it is an `Error`; otherwise a note
// saying what happened instead, so a failing row shows both sides.
template <class Error>
std::string MessageOf(const std::function<void()>& fn) {
  try {
    fn();
  } catch (const Error& e) {
    return e.what();
  } catch (const std::exception& e) {
    return std::string("(other error: ") + e.what() + ")";
  }
  return "(no error)";
}
