#include "qt/src/errors.h"

#include <qdprogress/control_types.h>

#include "host/persist/property_file.h"

namespace qd::qt::detail {

ControlError error_of(const std::exception& e, const std::string& property) {
    ControlError error;
    error.property = QString::fromStdString(property);
    if (const auto* c = dynamic_cast<const host::ContainerError*>(&e)) {
        error.code = c->code();
        error.message = *c->what() ? QString::fromUtf8(c->what())
                                   : QString::fromUtf8(result_message(c->code()));
        return error;
    }
    if (const auto* p = dynamic_cast<const host::PropertyFileError*>(&e);
        p && error.property.isEmpty())
        error.property = QString::fromStdString(p->key());
    error.code = E_INVALIDARG;
    error.message = QString::fromUtf8(e.what());
    return error;
}

}  // namespace qd::qt::detail
