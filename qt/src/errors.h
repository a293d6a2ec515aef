// The failures of the host side as the ControlError the widgets report.
#pragma once

#include <exception>
#include <string>

#include <qdprogress/qt/control_error.h>

namespace qd::qt::detail {

// A ContainerError keeps its result code and reads as the run-time error's text when the
// control gave no description; a property file that does not parse, or any other failure, is
// an invalid argument with its message. `property` names the property it concerns.
ControlError error_of(const std::exception& e, const std::string& property);

}  // namespace qd::qt::detail
