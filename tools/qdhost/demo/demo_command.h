// `qdhost demo`: renders the gallery of every control and option, its contact sheet and the
// progress animation.
#pragma once

#include <string>
#include <vector>

namespace qd::qdhost {

// Takes the arguments after "demo"; returns 0 on success, 1 when a picture could not be
// rendered or written, 2 for bad usage, an unusable folder or unregistered controls.
int demo_command(const std::vector<std::string>& args);

}  // namespace qd::qdhost
