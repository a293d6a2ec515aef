#include "host/loader/loader.h"

#include <gtest/gtest.h>

#include "platform/registry.h"
#include "qd/progress_controls.h"
#include "test_support.h"

namespace qd::host {
namespace {

using namespace qd::progress;
using test::TempRegistry;

// The loader's message for `what`, with its result code.
std::pair<std::string, HRESULT> failure_of(const std::string& what) {
    try {
        create_object(what, IID_IUnknown);
    } catch (const LoaderError& e) {
        return {e.what(), e.code()};
    }
    return {"(created)", S_OK};
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(Loader, RefusesForeignAndMissingModulesClearly) {
    try {
        Library lib(QD_FOREIGN_MODULE_PATH);
        ADD_FAILURE() << "a foreign module loaded";
    } catch (const LoaderError& e) {
        EXPECT_TRUE(contains(e.what(),
                             "is not a component library: it does not export "
                             "DllRegisterServer, DllUnregisterServer, "
                             "DllGetClassObject, DllCanUnloadNow"))
            << e.what();
    }
    EXPECT_THROW(Library("/no/such/module.so"), LoaderError);
    EXPECT_THROW(register_library("/no/such/module.so"), LoaderError);
    // A file that is not a module at all.
    TempRegistry temp;
    test::write_text(temp.dir() + "/text.so", "not an object file");
    try {
        Library lib(temp.dir() + "/text.so");
        ADD_FAILURE() << "a text file loaded";
    } catch (const LoaderError& e) {
        EXPECT_TRUE(contains(e.what(), "cannot load " + temp.dir() + "/text.so")) << e.what();
    }
}

TEST(Loader, RegistryEntriesThatLeadNowhereAreReportedWithTheirPath) {
    TempRegistry temp;
    auto [message, code] = failure_of("qdProgressControls.qdProgressPie");
    EXPECT_EQ(code, REGDB_E_CLASSNOTREG);
    EXPECT_TRUE(contains(
        message, "class qdProgressControls.qdProgressPie is not registered in " + temp.path()))
        << message;

    test::write_text(temp.path(), "class " + guid_to_string(CLSID_qdProgressPie) +
                                      " qdProgressControls.qdProgressPie /gone/lib.so\n"
                                      "class " +
                                      guid_to_string(CLSID_qdProgressBar) +
                                      " qdProgressControls.qdProgressBar " +
                                      QD_FOREIGN_MODULE_PATH + "\n");
    std::tie(message, code) = failure_of("qdProgressControls.qdProgressPie");
    EXPECT_EQ(code, REGDB_E_CLASSNOTREG);
    EXPECT_TRUE(contains(message, "cannot load /gone/lib.so")) << message;
    std::tie(message, code) = failure_of(guid_to_string(CLSID_qdProgressBar));
    EXPECT_TRUE(contains(message, "is not a component library")) << message;

    test::write_text(temp.path(), "class broken\n");
    std::tie(message, code) = failure_of("qdProgressControls.qdProgressPie");
    EXPECT_TRUE(contains(message, temp.path() + ":1: ")) << message;
}

TEST(Loader, CreatesByProgIdAfterRegistrationAndByPath) {
    TempRegistry temp;
    register_library(QD_MODULE_PATH);
    EXPECT_TRUE(create_object<_qdProgressBar>("qdProgressControls.qdProgressBar"));
    EXPECT_TRUE(create_object<_Data>(std::string(QD_MODULE_PATH) + ":Data"));
    auto [message, code] = failure_of(std::string(QD_MODULE_PATH) + ":NoSuchClass");
    EXPECT_TRUE(contains(message, "has no class 'NoSuchClass'")) << message;

    {
        ComPtr<_qdProgressPie> by_name =
            create_object<_qdProgressPie>("qdprogresscontrols.qdprogresspie");
        ASSERT_TRUE(by_name);
        ComPtr<_qdProgressPie> by_path =
            create_object<_qdProgressPie>(std::string(QD_MODULE_PATH) + ":qdProgressPie");
        ASSERT_TRUE(by_path);
        float v = -1;
        EXPECT_EQ(by_path->get_Value(&v), S_OK);
        free_unused_libraries();  // objects alive: the module must stay
        EXPECT_EQ(by_name->get_Value(&v), S_OK);
        EXPECT_EQ(load_library(QD_MODULE_PATH)->can_unload_now(), S_FALSE);
    }
    EXPECT_EQ(load_library(QD_MODULE_PATH)->can_unload_now(), S_OK);
    unregister_library(QD_MODULE_PATH);
    EXPECT_TRUE(qd::Registry().read().empty());
    free_unused_libraries();
}

}  // namespace
}  // namespace qd::host
