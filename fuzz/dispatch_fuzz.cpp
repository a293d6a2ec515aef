// A random sequence of calls by dispatch on a pie, a bar or a single pie sited on the model
// container (built with QD_FUZZ_RASTER: on the raster picture box and label, kept below 2000
// pixels a side): any member, get, put or call, with arguments of any variant type and value, mixed
// with the container's events. Every call returns a result code; nothing crashes, hangs or
// outlives the control.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bar/progress_bar.h"
#include "host/model/control_site.h"
#include "host/model/property_bag.h"
#if defined(QD_FUZZ_RASTER)
#include "host/raster/raster_label.h"
#include "host/raster/raster_picture_box.h"
#else
#include "host/model/model_label.h"
#include "host/model/model_picture_box.h"
#endif
#include "pie/progress_pie.h"
#include "platform/object.h"
#include "singlepie/single_pie.h"

namespace {

using namespace qd;

// Reads the input front to back; past its end every read gives zeros.
class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return pos_ >= size_; }
    template <typename T>
    T take() {
        T v{};
        std::uint8_t bytes[sizeof(T)] = {};
        for (std::size_t i = 0; i < sizeof(T) && pos_ < size_; ++i)
            bytes[i] = data_[pos_++];
        std::memcpy(&v, bytes, sizeof(T));
        return v;
    }
    std::string text() {
        const std::size_t n = take<std::uint8_t>() % 16;
        std::string s;
        for (std::size_t i = 0; i < n && pos_ < size_; ++i)
            s.push_back(static_cast<char>(data_[pos_++]));
        return s;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

Variant any_variant(Input& in) {
    switch (in.take<std::uint8_t>() % 8) {
        case 0:
            return Variant();
        case 1:
            return Variant(in.take<std::int16_t>());
        case 2:
            return Variant(in.take<std::int32_t>());
        case 3:
            return Variant(in.take<float>());
        case 4:
            return Variant(in.take<double>());
        case 5:
            return Variant::boolean(in.take<std::uint8_t>() & 1);
        case 6:
            return Variant(in.text());
        default: {
            // A small, sensible number: most interesting paths need values inside the range.
            return Variant(static_cast<float>(in.take<std::int8_t>()));
        }
    }
}

#if defined(QD_FUZZ_RASTER)
constexpr int kMaxExtent = 30000;  // twips: 2000 pixels
#else
constexpr int kMaxExtent = 20000;
#endif

// The control and what its container gives it, for the steps to act on.
struct Hosted {
    IDispatch* control;
    IControl* events;
    host::ControlSite* site;
    host::PropertyBag* bag;
    const InterfaceDesc* desc;
};

// One operation the input picks: a container event, a store read or write, or a member call.
void step(Input& in, const Hosted& h) {
    const std::uint8_t op = in.take<std::uint8_t>();
    const MemberDesc& m = h.desc->members[in.take<std::uint8_t>() % h.desc->member_count];
    Variant result;
    switch (op % 10) {
        case 0:
            (void)h.events->Resize();
            break;
        case 1:
            h.site->set_extent(static_cast<float>(in.take<std::int16_t>() % kMaxExtent),
                               static_cast<float>(in.take<std::int16_t>() % kMaxExtent));
            (void)h.events->Resize();
            break;
        case 2:
            (void)h.events->WriteProperties(h.bag);
            break;
        case 3:
            (void)h.events->ReadProperties(h.bag);
            break;
        case 4: {  // a stored value of any type under a key the control reads
            (void)h.bag->WriteProperty(m.name, any_variant(in));
            break;
        }
        case 5: {  // a member by name, any kind, any argument count
            std::int32_t id = 0;
            if (succeeded(h.control->GetIDsOfNames(m.name, &id))) {
                const Variant args[2] = {any_variant(in), any_variant(in)};
                const auto kind = static_cast<MemberKind>(1 << (in.take<std::uint8_t>() % 3));
                (void)h.control->Invoke(id, kind, args, in.take<std::uint8_t>() % 3, &result);
            }
            break;
        }
        case 6:
            (void)h.control->Invoke(in.take<std::int32_t>(), MemberKind::Method, nullptr, 0,
                                    &result);
            break;
        default:
            if (m.kind == MemberKind::PropertyPut)
                (void)dispatch_put(h.control, m.name, any_variant(in));
            else if (m.kind == MemberKind::PropertyGet)
                (void)dispatch_get(h.control, m.name, &result);
            else
                (void)dispatch_call(h.control, m.name, &result);
            break;
    }
}

void run(Input& in) {
    using Create = HRESULT (*)(const Guid&, void**);
    static const Create creators[] = {&progress::create_progress_pie,
                                      &progress::create_progress_bar, &single::create_single_pie};
    ComPtr<IDispatch> control;
    if (failed(creators[in.take<std::uint8_t>() % 3](IDispatch::iid, control.put_void())))
        std::abort();
    const auto events = control.query<IControl>();
#if defined(QD_FUZZ_RASTER)
    const auto pic = host::RasterPictureBox::make();
    const auto label = host::RasterLabel::make(pic.get());
#endif
    const float width = static_cast<float>(in.take<std::uint16_t>() % kMaxExtent);
    const float height = static_cast<float>(in.take<std::uint16_t>() % kMaxExtent);
#if !defined(QD_FUZZ_RASTER)
    const ComPtr<host::ModelPictureBox> pic(new host::ModelPictureBox(width, height));
    const ComPtr<host::ModelLabel> label(new host::ModelLabel(pic.get()));
#endif
    const ComPtr<host::ControlSite> site(
        new host::ControlSite(width, height, pic.get(), label.get()));
    const ComPtr<host::PropertyBag> bag(new host::PropertyBag());
    (void)events->SetSite(site.get());
    (void)events->InitProperties();
    (void)events->Resize();

    const InterfaceDesc* desc = nullptr;
    if (failed(control->GetTypeInfo(&desc)))
        std::abort();
    const Hosted hosted{control.get(), events.get(), site.get(), bag.get(), desc};
    for (int n = 0; n < 64 && !in.empty(); ++n)
        step(in, hosted);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const long before = qd::module_object_count();
    {
        Input in(data, size);
        run(in);
    }
    if (qd::module_object_count() != before)
        std::abort();  // an object outlived its control
    return 0;
}
