// A form on the container: every control of a form file loaded under its own name, the whole
// form drawn as one picture, and the form written back.
//
//   std::vector<FormFileError> problems;
//   FormLayout form = open_form(container, "dashboard.qdf", &problems);
//   save_png("dashboard.png", render_form(container, form));
//   save_form_file("dashboard.qdf", snapshot_form(container, form));
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/container/container.h"
#include "host/persist/form_file.h"
#include "host/raster/image.h"

namespace qd::host {

// Where a control of the form sits, and the class it was created from.
struct PlacedControl {
    std::string name;
    std::string progid;
    float left = 0, top = 0;  // twips
};

struct FormLayout {
    std::optional<FormExtent> extent;  // none: the controls' bounding box and a margin
    std::vector<PlacedControl> controls;
};

// Loads every control of the form file at `path` into `container` (create, ReadProperties,
// Resize at its extent). Each problem is appended to `errors` and the other controls still
// load: a damaged line, a control that cannot be created, a control that refuses its stored
// properties (named with the key it read last). A control that exists keeps its place even when
// it refused its properties. Throws FormFileError when the file cannot be read at all.
FormLayout open_form(Container& container, const std::string& path,
                     std::vector<FormFileError>* errors);

// The form's extent in twips: the layout's own, else the bounding box of its controls plus a
// margin.
FormExtent form_extent(const Container& container, const FormLayout& layout);

// The form as one picture: the button-face background and each control's view at its place,
// in form order (later controls on top).
Image render_form(const Container& container, const FormLayout& layout);

// The union of what changed in the form's controls since the last take, in device pixels of
// render_form's picture (not clipped to it); empty when nothing changed. It takes each control's
// own damage, which then starts afresh.
PixelRect take_form_damage(const Container& container, const FormLayout& layout);

// Every control's current extent and WriteProperties, in form order; throws ContainerError
// when a control cannot write its properties (nothing is to be saved then).
Form snapshot_form(const Container& container, const FormLayout& layout);

}  // namespace qd::host
