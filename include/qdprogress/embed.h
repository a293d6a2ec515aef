// Embedding the controls in a program: controls placed on one form, driven by name or through
// their dual interfaces, the form drawn as a picture or a PNG and saved as a form file that
// `qdhost render` and `open` read. Nothing is traced, so a long-running host does not grow.
//
//   qd::embed::EmbeddedForm form;
//   auto& pie = form.add("pie", qd::embed::module_class(controls_module, "qdProgressPie"), 0, 0);
//   pie.put("Value", 40);
//   form.render_png("form.png");
#pragma once

#include <memory>
#include <optional>
#include <string>

#include <qdprogress/control_types.h>
#include <qdprogress/dispatch.h>
#include <qdprogress/image.h>
#include <qdprogress/variant.h>

namespace qd::host {
class HostedControl;
}

namespace qd::embed {

using host::ContainerError;
using host::ControlExtent;
using host::Image;
using host::LabelState;

// The PATH:CLASS form of a class: class `class_name` of the module at `module_path`, created
// without the registry.
std::string module_class(const std::string& module_path, const std::string& class_name);

// One control on an EmbeddedForm; the form owns it.
class HostedControl {
  public:
    HostedControl(const HostedControl&) = delete;
    HostedControl& operator=(const HostedControl&) = delete;

    const std::string& name() const;
    // The control's dispatch interface, borrowed: query it for the dual interface.
    IDispatch* dispatch() const;
    LabelState label() const;
    // What the control shows now: its picture with the label drawn over it.
    Image view() const;

    // Late-bound member access by name; each throws ContainerError with the failure code.
    Variant get(const std::string& property);
    void put(const std::string& property, const Variant& value);
    void call(const std::string& method);

  private:
    friend class EmbeddedForm;
    explicit HostedControl(host::HostedControl& control) : control_(&control) {}
    host::HostedControl* control_;
};

// Controls with a place on one form. The form is as large as its controls need, plus a margin.
class EmbeddedForm {
  public:
    EmbeddedForm();
    ~EmbeddedForm();
    EmbeddedForm(const EmbeddedForm&) = delete;
    EmbeddedForm& operator=(const EmbeddedForm&) = delete;

    // Creates control `name` of class `what` (ProgID, {CLSID} or PATH:CLASS) with its top-left
    // corner at (left, top) twips, at `extent` or the class's design extent. Throws
    // ContainerError (the name is taken, the class cannot be created); nothing is placed then.
    HostedControl& add(const std::string& name, const std::string& what, float left, float top,
                       std::optional<ControlExtent> extent = std::nullopt);
    // Releases the control and its place; false when there is none.
    bool remove(const std::string& name);
    // The control of that name, or null.
    HostedControl* find(const std::string& name) const;

    // The form as one picture: the button-face background and each control's view at its
    // place, in the order they were added.
    Image render() const;
    // Writes render() as a PNG, replacing an older file atomically. False, with the reason in
    // *error when given, on failure.
    bool render_png(const std::string& path, std::string* error = nullptr) const;
    // Writes the form file: every control's class, place, extent and stored properties. Throws
    // ContainerError when a control cannot write its properties or the file cannot be written
    // (an older file then stays whole).
    void save(const std::string& path) const;

  private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace qd::embed
