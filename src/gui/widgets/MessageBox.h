#pragma once

#include <QString>
#include <functional>

namespace zicalc {

// Shows a modal box with `title`, `text` and one "确定" button (TitledMessageBox) and returns
// when the user has closed it. Input errors go through ShowWarning instead.
void ShowMessage(const QString& title, const QString& text);

// Tests route every blocking box here: titled messages with their title, and warnings with the
// warning box's own title "警告框！". An empty sink restores both real boxes. Returns the
// previous message sink. It replaces whatever SetWarningSink installed.
using MessageSink = std::function<void(const QString& title, const QString& text)>;
MessageSink SetMessageSink(MessageSink sink);

}  // namespace zicalc
