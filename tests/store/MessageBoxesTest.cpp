#include "store/MessageBoxes.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace nudgeon {
namespace {

TEST(MessageBoxesTest, TheInstalledBoxesGetTheirCaptionsAndAnswer)
{
    std::vector<std::string> shown;
    bool answer = true;
    SetMessageBoxHooks({[&](std::string_view caption, std::string_view text) {
                            shown.push_back(std::string(caption) + "|" + std::string(text));
                        },
                        [&](std::string_view caption, std::string_view text) {
                            shown.push_back(std::string(caption) + "|" + std::string(text));
                            return answer;
                        }});
    ShowInfo("Saved.");
    EXPECT_TRUE(AskConfirm("Delete?"));
    answer = false;
    EXPECT_FALSE(AskConfirm("Delete?"));
    EXPECT_EQ(shown, (std::vector<std::string>{"Information|Saved.", "Confirm|Delete?",
                                               "Confirm|Delete?"}));

    // Without a UI a question is answered No.
    SetMessageBoxHooks({});
    EXPECT_FALSE(AskConfirm("Delete?"));
}

} // namespace
} // namespace nudgeon
