// The message of the exception a component call raised.
#pragma once

#include <string>

#include "Waymidi.h"

// The message the call raised, or "(nothing raised)".
template <class Call>
std::string Raised(Call&& call) {
  try {
    call();
  } catch (const EWayMidiException& e) {
    return e.what();
  }
  return "(nothing raised)";
}
