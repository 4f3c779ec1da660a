// The session import: a picked file's text previewed and merged into an empty store, then the
// start-up repair that gives imported sessions their day, and the rows the session list shows.
#include "FuzzStore.h"
#include "app/MainMenuViewController.h"
#include "exchange/SessionImport.h"
#include "exchange/TextPreview.h"
#include "log/MasterTableViewCell.h"
#include "model/UserData.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzStore::emptyStore();
    // Invalid UTF-8 is refused by the page; its replacement characters still make a text.
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    TextPreview::of(text);
    Context &context = AppDelegate::shared()->persistentContainer();
    SessionImport import(text);
    while (!import.atEnd())
        import.mergeNext(context);
    if (import.added() == 0)
        return 0;
    MainMenuViewController menu;
    menu.repairSessions();
    for (const UserData &session : context.fetchAs<UserData>(UserData::fetchRequest())) {
        MasterTableViewCell::forSession(session, true);
        MasterTableViewCell::forSession(session, false);
    }
    return 0;
}
