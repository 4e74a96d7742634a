#pragma once

// Small checks the tests share: what a list control holds, and the message of a failure.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/Files.h"

namespace korvel::test {

// The texts of a list control's entries, in order.
inline std::vector<std::string> TextsOf(const ListBox& list) {
    std::vector<std::string> texts;
    for (const auto& item : list.Items) texts.push_back(item.Text);
    return texts;
}

// The item data of a list control's entries, in order.
inline std::vector<int> ItemDataOf(const ListBox& list) {
    std::vector<int> data;
    for (const auto& item : list.Items) data.push_back(item.ItemData);
    return data;
}

// The bytes of a text, for file contents.
inline Bytes BytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

// The message of the exception of type E (FileError unless given) that `action` throws; fails the
// test when it throws none.
template <class E = FileError, class Action>
std::string MessageOf(Action action) {
    try {
        action();
    } catch (const E& error) {
        return error.what();
    }
    ADD_FAILURE() << "the expected exception was not thrown";
    return {};
}

}  // namespace korvel::test
