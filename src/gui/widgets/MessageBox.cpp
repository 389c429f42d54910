#include "gui/widgets/MessageBox.h"

#include "gui/widgets/Form9.h"
#include "gui/widgets/TitledMessageBox.h"
#include "gui/widgets/Warning.h"

namespace zicalc {

namespace {
MessageSink& Sink()
{
    static MessageSink sink;
    return sink;
}
}  // namespace

void ShowMessage(const QString& title, const QString& text)
{
    if (Sink()) {
        Sink()(title, text);
        return;
    }
    TitledMessageBox box(title, text);
    box.exec();
}

MessageSink SetMessageSink(MessageSink sink)
{
    MessageSink previous = std::move(Sink());
    Sink() = std::move(sink);
    if (Sink()) {
        SetWarningSink([](const QString& message) {
            if (Sink()) {
                Sink()(QStringLiteral("警告框！"), message);
                return;
            }
            // Sinks restored out of order: show the real warning box rather than drop the message.
            Form9 box(message);
            box.exec();
        });
    } else {
        SetWarningSink({});
    }
    return previous;
}

}  // namespace zicalc
