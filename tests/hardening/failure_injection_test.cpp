// Every public member of every control and of the Data page, run against a host that fails its
// Nth call, for every N the member makes: the member returns the injected code and makes no
// further host call, nothing leaks, what the member did before the failure stays done, and the
// control works again as soon as the host does.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bar/progress_bar.h"
#include "host/page/page_site.h"
#include "pages/data_page.h"
#include "pie/progress_pie.h"
#include "platform/object.h"
#include "singlepie/single_pie.h"
#include "tests/support/control_kinds.h"
#include "tests/support/control_rig.h"

namespace qd::test {
namespace {

using Rig = ControlRig<IDispatch>;
constexpr HRESULT kInjected = runtime_error_code(ErrorNumber::InvalidPropertyValue);

// A value each setter accepts and that differs from a new control's default.
Variant sample_value(const std::string& name, const TypeDesc& type) {
    if (name == "Value")
        return Variant(40.0f);
    if (name == "Min")
        return Variant(10.0f);
    if (name == "Max")
        return Variant(90.0f);
    if (name == "Aspect")
        return Variant(2.0f);
    if (name == "BorderWidth")
        return Variant(3.0f);
    if (name == "LabelSize")
        return Variant(std::int16_t{12});
    if (name == "FillStyle")
        return Variant(std::int32_t{2});
    if (type.var == VarType::Bool)
        return Variant::boolean(false);
    if (std::string(type.name) == "OLE_COLOR")
        return Variant(std::int32_t{0x00336699});
    return Variant(std::int32_t{1});  // the enumerations
}

// One member of the table: how to bring the rig to the state before the call, the call, and
// the property that must hold the new value whatever the outcome.
struct Member {
    std::string name;
    std::function<void(Rig&)> prepare;
    std::function<HRESULT(Rig&)> run;
    std::optional<std::pair<std::string, Variant>> stays;
};

void started(Rig& rig) {
    ASSERT_EQ(rig.start_pixels(200, 100), S_OK);
    // A band fill: the members then reach the band painting too.
    ASSERT_EQ(dispatch_put(rig.control(), "FillType", Variant(std::int32_t{1})), S_OK);
}

std::vector<Member> members_of(IDispatch* control) {
    std::vector<Member> out;
    const InterfaceDesc* desc = nullptr;
    EXPECT_EQ(control->GetTypeInfo(&desc), S_OK);
    for (std::size_t i = 0; i < desc->member_count; ++i) {
        const MemberDesc& m = desc->members[i];
        const std::string name = m.name;
        if (m.kind == MemberKind::PropertyPut) {
            const Variant value = sample_value(name, m.type);
            out.push_back(
                {"put " + name, started,
                 [name, value](Rig& r) { return dispatch_put(r.control(), name.c_str(), value); },
                 std::make_pair(name, value)});
        } else if (m.kind == MemberKind::Method) {
            out.push_back({name, started,
                           [name](Rig& r) { return dispatch_call(r.control(), name.c_str()); },
                           std::nullopt});
        }
    }
    out.push_back({"SetSite", [](Rig&) {}, [](Rig& r) { return r.set_site(); }, std::nullopt});
    out.push_back({"InitProperties", started, [](Rig& r) { return r.init(); }, std::nullopt});
    out.push_back({"ReadProperties",
                   [](Rig& r) {
                       started(r);
                       ASSERT_EQ(dispatch_put(r.control(), "Value", Variant(20.0f)), S_OK);
                       ASSERT_EQ(r.write(), S_OK);
                   },
                   [](Rig& r) { return r.read(); }, std::nullopt});
    out.push_back({"WriteProperties", started, [](Rig& r) { return r.write(); }, std::nullopt});
    out.push_back(
        {"Resize", started, [](Rig& r) { return r.resize_pixels(300, 150); }, std::nullopt});
    return out;
}

TEST(FailureInjection, EveryHostCallOfEveryControlMemberFailsThatMemberCleanly) {
    for (const ControlKind& kind : kControls) {
        std::vector<Member> members;
        {
            Rig probe{kind.create};
            members = members_of(probe.control());
        }
        ASSERT_GT(members.size(), 15u) << kind.name;
        for (const Member& m : members) {
            const std::string what = std::string(kind.name) + " " + m.name;
            std::size_t calls = 0;
            {
                Rig rig{kind.create};
                m.prepare(rig);
                rig.clear();
                ASSERT_EQ(m.run(rig), S_OK) << what;
                calls = rig.lines().size();
            }
            for (std::size_t n = 1; n <= calls; ++n) {
                const long objects_before = module_object_count();
                {
                    Rig rig{kind.create};
                    m.prepare(rig);
                    rig.fail_at(n, kInjected);
                    EXPECT_EQ(m.run(rig), kInjected) << what << ", call " << n;
                    EXPECT_EQ(rig.lines().size(), n) << what << ": a call after failed call " << n;

                    // (The pie's Aspect is not among them: its draw stores the surface's own
                    // aspect there.)
                    if (m.stays && m.name != "put Aspect") {
                        Variant now;
                        ASSERT_EQ(dispatch_get(rig.control(), m.stays->first.c_str(), &now), S_OK);
                        EXPECT_EQ(now.to_double(), m.stays->second.to_double())
                            << what << ": the value stays stored after call " << n << " failed";
                    }

                    rig.fail_at(0);
                    if (m.name == "SetSite") {
                        ASSERT_EQ(rig.start(), S_OK) << what << ", call " << n;
                    }
                    EXPECT_EQ(dispatch_call(rig.control(), "Refresh"), S_OK)
                        << what << ": usable after call " << n << " failed";
                    EXPECT_EQ(dispatch_put(rig.control(), "Value", Variant(55.0f)), S_OK) << what;
                    EXPECT_EQ(rig.write(), S_OK) << what;
                }
                EXPECT_EQ(module_object_count(), objects_before)
                    << what << ": every object released after call " << n << " failed";
            }
        }
    }
}

// ---- The Data page ---------------------------------------------------------------------------

// Each call the page makes on its container reports to the control rig's sink, so one count
// covers the page's site, its fields, the selection, the control's dispatch interface and the
// control's own host calls.
class Reporter {
  public:
    explicit Reporter(host::RecordingSink& sink) : sink_(sink) {}
    HRESULT report(const std::string& line) const { return sink_.on_call("page: " + line); }

  private:
    host::RecordingSink& sink_;
};

class FailingDispatch final : public ComObject<FailingDispatch, IDispatch>, Reporter {
  public:
    FailingDispatch(IDispatch* inner, host::RecordingSink& sink) : Reporter(sink), inner_(inner) {}
    HRESULT GetTypeInfo(const InterfaceDesc** out) override {
        const HRESULT hr = report("GetTypeInfo");
        return failed(hr) ? hr : inner_->GetTypeInfo(out);
    }
    HRESULT GetIDsOfNames(const char* name, std::int32_t* dispid) override {
        const HRESULT hr = report(std::string("GetIDsOfNames ") + name);
        return failed(hr) ? hr : inner_->GetIDsOfNames(name, dispid);
    }
    HRESULT Invoke(std::int32_t dispid, MemberKind kind, const Variant* args, std::int32_t argc,
                   Variant* result) override {
        const HRESULT hr = report("Invoke " + std::to_string(dispid));
        return failed(hr) ? hr : inner_->Invoke(dispid, kind, args, argc, result);
    }

  private:
    ComPtr<IDispatch> inner_;
};

class FailingSelection final : public ComObject<FailingSelection, ISelectedControls>, Reporter {
  public:
    FailingSelection(ISelectedControls* inner, host::RecordingSink& sink)
        : Reporter(sink), inner_(inner) {}
    HRESULT get_Count(std::int32_t* out) override {
        const HRESULT hr = report("Count");
        return failed(hr) ? hr : inner_->get_Count(out);
    }
    HRESULT Item(std::int32_t index, IDispatch** out) override {
        *out = nullptr;
        const HRESULT hr = report("Item");
        return failed(hr) ? hr : inner_->Item(index, out);
    }

  private:
    ComPtr<ISelectedControls> inner_;
};

class FailingField final : public ComObject<FailingField, ITextField>, Reporter {
  public:
    FailingField(ITextField* inner, host::RecordingSink& sink) : Reporter(sink), inner_(inner) {}
    HRESULT get_Text(Variant* out) override {
        const HRESULT hr = report("get Text");
        return failed(hr) ? hr : inner_->get_Text(out);
    }
    HRESULT put_Text(const char* text) override {
        const HRESULT hr = report("Text");
        return failed(hr) ? hr : inner_->put_Text(text);
    }

  private:
    ComPtr<ITextField> inner_;
};

class FailingPageSite final : public ComObject<FailingPageSite, IPageSite>, Reporter {
  public:
    FailingPageSite(IPageSite* inner, host::RecordingSink& sink)
        : Reporter(sink), sink_(sink), inner_(inner) {}
    HRESULT get_SelectedControls(ISelectedControls** out) override {
        *out = nullptr;
        const HRESULT hr = report("SelectedControls");
        ComPtr<ISelectedControls> real;
        if (failed(hr) || failed(inner_->get_SelectedControls(real.put())))
            return failed(hr) ? hr : E_FAIL;
        *out = new FailingSelection(real.get(), sink_);
        (*out)->AddRef();
        return S_OK;
    }
    HRESULT get_Changed(VARIANT_BOOL* out) override {
        const HRESULT hr = report("get Changed");
        return failed(hr) ? hr : inner_->get_Changed(out);
    }
    HRESULT put_Changed(VARIANT_BOOL v) override {
        const HRESULT hr = report("Changed");
        return failed(hr) ? hr : inner_->put_Changed(v);
    }
    HRESULT get_Field(const char* name, ITextField** out) override {
        *out = nullptr;
        const HRESULT hr = report(std::string("Field ") + name);
        ComPtr<ITextField> real;
        if (failed(hr) || failed(inner_->get_Field(name, real.put())))
            return failed(hr) ? hr : E_FAIL;
        *out = new FailingField(real.get(), sink_);
        (*out)->AddRef();
        return S_OK;
    }

  private:
    host::RecordingSink& sink_;
    ComPtr<IPageSite> inner_;
};

struct PageRun {
    const char* name;
    bool typed;  // the fields hold new texts before the run
    HRESULT (*run)(IPropertyPage*);
};

TEST(FailureInjection, EveryContainerCallOfTheDataPageFailsItsHandlerCleanly) {
    const PageRun runs[] = {
        {"SelectionChanged", false, [](IPropertyPage* p) { return p->SelectionChanged(); }},
        {"ApplyChanges", true, [](IPropertyPage* p) { return p->ApplyChanges(); }},
    };
    for (const ControlKind& kind : kControls) {
        if (kind.create == &single::create_single_pie)
            continue;  // the page belongs to the other library
        for (const PageRun& r : runs) {
            const std::string what = std::string(kind.name) + " " + r.name;
            // One session per N; N = 0 counts the calls of a healthy run.
            std::size_t calls = 0;
            for (std::size_t n = 0; n == 0 || n <= calls; ++n) {
                const long objects_before = module_object_count();
                {
                    Rig rig{kind.create};
                    ASSERT_EQ(rig.start_pixels(200, 100), S_OK);
                    ComPtr<IPropertyPage> page;
                    ASSERT_EQ(progress::create_data_page(IPropertyPage::iid, page.put_void()),
                              S_OK);
                    const auto site = host::PageSite::create();
                    ASSERT_EQ(site->open(page.get()), S_OK);
                    const ComPtr<IPageSite> failing(new FailingPageSite(site.get(), rig.sink()));
                    ASSERT_EQ(page->SetPageSite(failing.get()), S_OK);
                    const ComPtr<IDispatch> control(new FailingDispatch(rig.control(), rig.sink()));
                    ASSERT_EQ(site->select({control}), S_OK);
                    if (r.typed) {
                        ASSERT_EQ(site->set_text("txtValue", "30"), S_OK);
                        ASSERT_EQ(site->set_text("txtMin", "5"), S_OK);
                        ASSERT_EQ(site->set_text("txtMax", "60"), S_OK);
                    }
                    rig.fail_at(n, kInjected);
                    if (n == 0) {
                        ASSERT_EQ(r.run(page.get()), S_OK) << what;
                        calls = rig.lines().size();
                        ASSERT_GT(calls, 0u) << what;
                    } else {
                        EXPECT_EQ(r.run(page.get()), kInjected) << what << ", call " << n;
                        EXPECT_EQ(rig.lines().size(), n) << what << ": a call after call " << n;
                        rig.fail_at(0);
                        EXPECT_EQ(r.run(page.get()), S_OK) << what << ": usable after call " << n;
                        if (r.typed) {
                            Variant v;
                            ASSERT_EQ(dispatch_get(rig.control(), "Max", &v), S_OK);
                            EXPECT_EQ(v.to_single(), 60.0f) << what << ", call " << n;
                            ASSERT_EQ(dispatch_get(rig.control(), "Value", &v), S_OK);
                            EXPECT_EQ(v.to_single(), 30.0f) << what << ", call " << n;
                        }
                    }
                    site->close();
                }
                EXPECT_EQ(module_object_count(), objects_before) << what << ", call " << n;
            }
        }
    }
}

}  // namespace
}  // namespace qd::test
