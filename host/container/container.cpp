#include "host/container/container.h"

#include <cmath>

#include "foundation/number_text.h"
#include "host/limits.h"
#include "host/loader/loader.h"
#include "host/model/property_bag.h"
#include "host/trace/traced_label.h"
#include "host/trace/traced_picture_box.h"
#include "host/trace/traced_site.h"
#include "host/trace/traced_store.h"
#include "host/twips.h"
#include "platform/registry.h"

namespace qd::host {

namespace {

void check_event(HRESULT hr) {
    if (failed(hr))
        throw ContainerError(hr, {});
}

// Ends a control's call: the figures its surface held back are written, so the pixels are
// whole whenever the host looks, however it looks.
struct CallEnd {
    const Surfaces& surfaces;
    ~CallEnd() { surfaces.flush(); }
};

// The class of `what` in the type library of the module at `path`: by class identifier when
// `clsid` is given, else by name.
void use_class_in(const std::string& path, const Guid* clsid, const std::string& class_name,
                  const std::string& what, const std::function<void(const ClassDesc&)>& use) {
    try {
        const TypeLibraryRef tl = type_library(path);
        const ClassDesc* cls =
            clsid ? find_class(tl.desc(), *clsid) : find_class(tl.desc(), class_name.c_str());
        if (!cls)
            throw ContainerError(CLASS_E_CLASSNOTAVAILABLE,
                                 "the type library of " + path + " has no class " + what);
        use(*cls);
    } catch (const LoaderError& e) {
        throw ContainerError(e.code(), e.what());
    }
}

constexpr HRESULT kInvalidPropertyValue = runtime_error_code(ErrorNumber::InvalidPropertyValue);

}  // namespace

ClassLocation locate_class(const std::string& what) {
    const std::size_t colon = what.rfind(':');
    const std::size_t slash = what.rfind('/');
    if (slash != std::string::npos && colon != std::string::npos && colon > slash)
        return {what.substr(0, colon), what.substr(colon + 1)};
    std::optional<RegistryEntry> entry;
    Registry registry;
    try {
        Guid clsid{};
        entry =
            guid_from_string(what, &clsid) ? registry.find_class(clsid) : registry.find_class(what);
    } catch (const RegistryError& e) {
        throw ContainerError(REGDB_E_CLASSNOTREG, e.what());
    }
    if (!entry)
        throw ContainerError(REGDB_E_CLASSNOTREG,
                             "class " + what + " is not registered in " + registry.path());
    return {entry->path, guid_to_string(entry->guid)};
}

void with_class(const std::string& what, const std::function<void(const ClassDesc&)>& use) {
    const ClassLocation at = locate_class(what);
    Guid clsid{};
    const bool by_id = guid_from_string(at.class_name, &clsid);
    use_class_in(at.module, by_id ? &clsid : nullptr, at.class_name, what, use);
}

ControlExtent design_extent(const std::string& what) {
    ControlExtent extent{};
    with_class(what, [&](const ClassDesc& cls) { extent = {cls.design_width, cls.design_height}; });
    return extent;
}

void check_extent(float width, float height) {
    for (const float v : {width, height})
        if (!within_twips(v))
            throw ContainerError(kInvalidPropertyValue,
                                 "extent: " + over_limit(kMaxTwips, single_to_text(v)));
    const double pixels =
        std::floor(width / kTwipsPerPixel + 0.5) * std::floor(height / kTwipsPerPixel + 0.5);
    if (pixels > static_cast<double>(kMaxPicturePixels.value))
        throw ContainerError(
            kInvalidPropertyValue,
            "extent " + single_to_text(width) + " x " + single_to_text(height) +
                " twips: " + over_limit(kMaxPicturePixels, static_cast<std::int64_t>(pixels)));
}

// ---- HostedControl ---------------------------------------------------------------------------

HostedControl::HostedControl(std::string name, ComPtr<IDispatch> control, ComPtr<IControl> events,
                             Surfaces surfaces, ComPtr<ControlSite> site,
                             ComPtr<IControlSite> traced_site, TraceSink& sink)
    : name_(std::move(name)),
      control_(std::move(control)),
      events_(std::move(events)),
      surfaces_(std::move(surfaces)),
      site_(std::move(site)),
      traced_site_(std::move(traced_site)),
      sink_(sink) {}

// The control goes first: it holds the site, which holds the surfaces.
HostedControl::~HostedControl() {
    events_ = nullptr;
    control_ = nullptr;
}

void HostedControl::set_site() {
    const CallEnd end{surfaces_};
    check_event(events_->SetSite(traced_site_.get()));
}

void HostedControl::init_properties() {
    const CallEnd end{surfaces_};
    check_event(events_->InitProperties());
}

namespace {

// Passes reads and writes through, remembering the last key read.
class KeyNotingStore final : public ComObject<KeyNotingStore, IPropertyStore> {
  public:
    KeyNotingStore(IPropertyStore* inner, std::string* last_key)
        : inner_(inner), last_key_(last_key) {}

    HRESULT ReadProperty(const char* key, const Variant* default_value, Variant* out) override {
        if (last_key_)
            *last_key_ = key ? key : "";
        return inner_->ReadProperty(key, default_value, out);
    }
    HRESULT WriteProperty(const char* key, const Variant& value) override {
        return inner_->WriteProperty(key, value);
    }

  private:
    ComPtr<IPropertyStore> inner_;
    std::string* last_key_;
};

}  // namespace

void HostedControl::read_properties(const PropertyList& properties, std::string* last_key) {
    const CallEnd end{surfaces_};
    ComPtr<PropertyBag> bag(new PropertyBag());
    for (const Property& p : properties)
        bag->set(p.key, p.value);
    ComPtr<TracedStore> traced(new TracedStore(bag.get(), sink_));
    ComPtr<KeyNotingStore> store(new KeyNotingStore(traced.get(), last_key));
    check_event(events_->ReadProperties(store.get()));
}

PropertyList HostedControl::write_properties() {
    ComPtr<PropertyBag> bag(new PropertyBag());
    ComPtr<TracedStore> store(new TracedStore(bag.get(), sink_));
    check_event(events_->WriteProperties(store.get()));
    PropertyList properties;
    for (const PropertyBag::Entry& e : bag->entries())
        properties.push_back({e.key, e.value});
    return properties;
}

void HostedControl::resize() {
    const CallEnd end{surfaces_};
    check_event(events_->Resize());
}

void HostedControl::resize(float width, float height) {
    check_extent(width, height);
    site_->set_extent(width, height);
    resize();
}

Variant HostedControl::get(const std::string& property) {
    const CallEnd end{surfaces_};
    Variant v;
    check_event(dispatch_get(control_.get(), property.c_str(), &v));
    return v;
}

void HostedControl::put(const std::string& property, const Variant& value) {
    const CallEnd end{surfaces_};
    check_event(dispatch_put(control_.get(), property.c_str(), value));
}

void HostedControl::call(const std::string& method) {
    const CallEnd end{surfaces_};
    check_event(dispatch_call(control_.get(), method.c_str()));
}

// ---- Container -------------------------------------------------------------------------------

Container::Container(TraceSink& sink, DeviceOptions device) : sink_(sink), device_(device) {
    if (!is_device_scale(device.scale))
        throw ContainerError(E_INVALIDARG,
                             "device scale " + double_to_text(device.scale) + " is outside 1 to 4");
}

Container::~Container() = default;

HostedControl& Container::site_new(const std::string& name, const std::string& what,
                                   ControlExtent extent) {
    if (controls_.contains(name))
        throw ContainerError(E_INVALIDARG, "there is already a control named " + name);
    check_extent(extent.width, extent.height);
    ComPtr<IDispatch> control;
    try {
        control = create_object<IDispatch>(what);
    } catch (const LoaderError& e) {
        throw ContainerError(e.code(), e.what());
    }
    ComPtr<IControl> events = control.query<IControl>();
    if (!events)
        throw ContainerError(E_NOINTERFACE, what + " is not a control");

    Surfaces surfaces;
    if (const HRESULT hr = make_surfaces(extent.width, extent.height, device_, &surfaces);
        failed(hr))
        throw ContainerError(hr, "no picture box of " + single_to_text(extent.width) + " x " +
                                     single_to_text(extent.height) + " twips");
    ComPtr<IPictureBox> picture(new TracedPictureBox(surfaces.picture.get(), sink_));
    ComPtr<ILabel> label(new TracedLabel(surfaces.label.get(), sink_));
    ComPtr<ControlSite> site(
        new ControlSite(extent.width, extent.height, picture.get(), label.get()));
    site->keep_changes(false);  // a hosted control may notify without end
    ComPtr<IControlSite> traced_site(new TracedSite(site.get(), sink_));

    auto hosted = std::make_unique<HostedControl>(name, std::move(control), std::move(events),
                                                  std::move(surfaces), std::move(site),
                                                  std::move(traced_site), sink_);
    HostedControl& placed = *hosted;
    controls_.emplace(name, std::move(hosted));
    placed.set_site();
    return placed;
}

HostedControl& Container::create(const std::string& name, const std::string& what,
                                 std::optional<ControlExtent> extent) {
    HostedControl& control = site_new(name, what, extent ? *extent : design_extent(what));
    control.init_properties();
    control.resize();
    return control;
}

HostedControl& Container::load(const std::string& name, const std::string& what,
                               const PropertyList& properties, std::optional<ControlExtent> extent,
                               std::string* last_key) {
    HostedControl& control = site_new(name, what, extent ? *extent : design_extent(what));
    control.read_properties(properties, last_key);
    control.resize();
    return control;
}

HostedControl* Container::find(const std::string& name) const {
    const auto it = controls_.find(name);
    return it == controls_.end() ? nullptr : it->second.get();
}

bool Container::remove(const std::string& name) {
    return controls_.erase(name) > 0;
}

}  // namespace qd::host
