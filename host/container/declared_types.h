// Hand-written property lines without a type word (`Min = 100`, `BorderShow = True`) take the
// type the control's class declares for that property in its type information, converted
// through the same coercions a late-bound client's argument goes through.
#pragma once

#include <string>
#include <vector>

#include "host/persist/property_file.h"
#include "platform/typeinfo.h"

namespace qd::host {

// An untyped property that does not convert, with the reason (which names the expected type).
struct UntypedFailure {
    Property property;
    std::string reason;
};

// Converts each untyped property of `properties` to the type `cls` declares for it and takes
// out those that do not convert (a key the class has no property of, or a value that does not
// coerce), returning them in file order.
std::vector<UntypedFailure> apply_declared_types(const ClassDesc& cls, PropertyList* properties);

// The same for the class `what` (ProgID, {CLSID} or PATH:CLASS), found as the container finds
// it. Throws ContainerError when the class cannot be found and an untyped property needs it.
std::vector<UntypedFailure> apply_declared_types(const std::string& what, PropertyList* properties);

}  // namespace qd::host
