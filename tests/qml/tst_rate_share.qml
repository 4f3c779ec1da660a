import QtQuick
import QtTest
import Pacelog
import PacelogTest

AppTestCase {
    name: "RateShare"

    function tapRow(page, row) {
        const table = findChild(page, "tableView")
        tryVerify(() => table.itemAtIndex(row) !== null)
        mouseClick(table.itemAtIndex(row))
    }

    function test_rate_and_share() {
        const page = open("RateShareButton", "RateShareTableViewController")
        compare(findChild(page, "tableView").count, 5)

        const log = TestStore.dataDirectory() + "/opened.txt"
        TestStore.setEnvironment("PACELOG_URL_LOG", log)
        tapRow(page, 0)
        tapRow(page, 3)
        TestStore.setEnvironment("PACELOG_URL_LOG", "")
        const opened = TestStore.readFile(log).trim().split("\n")
        compare(opened.length, 2)
        verify(opened[0].endsWith("?action=write-review"), opened[0])
        compare(opened[1], page.controller.website)

        tapRow(page, 2)
        const sheet = findChild(app, "shareSheet")
        tryVerify(() => sheet.visible)
        compare(sheet.items, [page.controller.instructions, page.controller.website])
        verify(findChild(sheet, "Copy").visible && findChild(sheet, "Mail").visible,
               "this sheet leaves nothing out")
        // Saved, the shared texts are the lines of one text file.
        TestStore.setEnvironment("PACELOG_SAVE_DIR", TestStore.dataDirectory())
        mouseClick(findChild(sheet, "Save"))
        TestStore.setEnvironment("PACELOG_SAVE_DIR", "")
        compare(TestStore.readFile(TestStore.dataDirectory() + "/Pacelog.txt"),
                page.controller.instructions + "\n" + page.controller.website + "\n")
        mouseClick(findChild(sheet, "Close"))
        tryVerify(() => !sheet.visible)

        tapRow(page, 1)
        tryVerify(() => sheet.visible)
        compare(sheet.items, [page.controller.productURL.toString()])
        mouseClick(findChild(sheet, "Close"))
        tryVerify(() => !sheet.visible)

        // Feedback: a mail to the developer without subject, through a mail program that writes
        // its arguments, one a line.
        const mail = TestStore.dataDirectory() + "/mail.txt"
        // (Three quotes stand for one inside a quoted argument.)
        TestStore.setEnvironment("PACELOG_MAILER",
                                 "sh -c \"for a; do echo \"\"\"$a\"\"\"; done > " + mail + "\" mailer")
        tapRow(page, 4)
        tryVerify(() => TestStore.readFile(mail).length > 0, 5000)
        TestStore.setEnvironment("PACELOG_MAILER", "")
        const args = TestStore.readFile(mail).trim().split("\n")
        // xdg-email takes no HTML: the body is the text a mail program shows.
        compare(args.slice(0, 2), ["--body", "Enter your comments about Pacelog app below: "])
        compare(args.length, 3)
        verify(args[2].indexOf("@") > 0, args[2])
    }
}
