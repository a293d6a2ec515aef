#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "tools/qdhost/script_verbs.h"

namespace qd::qdhost {
namespace {

// The user guide lists the statement forms as --help prints them (without the indent); a verb
// added to the table without the guide, or the guide edited alone, fails here.
TEST(ScriptVerbs, TheUserGuideListsExactlyTheFormsOfTheTable) {
    std::ifstream guide(QD_USER_GUIDE);
    ASSERT_TRUE(guide) << QD_USER_GUIDE;
    std::stringstream text;
    text << guide.rdbuf();

    std::string expected, line;
    std::istringstream help(script_forms_help());
    while (std::getline(help, line))
        expected += line.substr(2) + "\n";
    EXPECT_NE(text.str().find("```text\n" + expected + "```"), std::string::npos)
        << "docs/user-guide.md should list:\n"
        << expected;

    // Every keyword-led form parses through its own row, and only through it.
    for (const ScriptForm& form : script_forms()) {
        if (!form.verb)
            continue;
        EXPECT_EQ(find_verb(form.verb), &form) << form.verb;
        EXPECT_NE(form.parse, nullptr) << form.verb;
    }
    EXPECT_EQ(find_verb("NEW"), nullptr) << "verbs are lower case, as scripts write them";
}

}  // namespace
}  // namespace qd::qdhost
