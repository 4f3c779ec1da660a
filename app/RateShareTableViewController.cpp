#include "app/RateShareTableViewController.h"

#include "platform/AlertPresenter.h"
#include "platform/AppLinks.h"
#include "platform/MailComposer.h"
#include "platform/ShareSheet.h"
#include "platform/UrlOpener.h"

RateShareTableViewController::RateShareTableViewController(QObject *parent)
    : QObject(parent), m_productURL(AppLinks::storePage()),
      m_instructions(QStringLiteral("Click the following link to visit the Pacelog App website")),
      m_website(AppLinks::webPage()) {}

QStringList RateShareTableViewController::rowTitles() const {
    return {QStringLiteral("Rate Pacelog in the App Store"),
            QStringLiteral("Share the App Store Link"),
            QStringLiteral("Invite a Friend to Pacelog"),
            QStringLiteral("Visit the Pacelog Website"), QStringLiteral("Send Feedback")};
}

QUrl RateShareTableViewController::rateUrl(const QUrl &productURL) {
    return AppLinks::reviewUrl(productURL);
}

void RateShareTableViewController::didSelectRow(int row) {
    switch (row) {
    case 0:
        if (const QUrl url = rateUrl(m_productURL); url.isValid())
            UrlOpener::open(url);
        break;
    case 1:
        shareItems({m_productURL.toString()});
        break;
    case 2:
        shareItems({m_instructions, m_website});
        break;
    case 3:
        if (const QUrl url(m_website, QUrl::StrictMode); url.isValid() && !url.isEmpty())
            UrlOpener::open(url);
        break;
    case 4:
        sendFeedback();
        break;
    default:
        break;
    }
}

void RateShareTableViewController::shareItems(const QStringList &texts) {
    if (!ShareSheet::instance()->hasTarget()) {
        AlertPresenter::instance()->present(
            this, QStringLiteral("Can't Send Text Message"),
            QStringLiteral("Your Device is not able to send text messages."));
        return;
    }
    ShareSheet::instance()->present(texts);
}

void RateShareTableViewController::sendFeedback() {
    MailComposer *composer = MailComposer::shared();
    if (!composer->canSendMail()) {
        AlertPresenter::instance()->present(
            this, QStringLiteral("Can't Send Email"),
            QStringLiteral("Your Device is not able to send Email."));
        return;
    }
    MailMessage message;
    message.recipients = {AppLinks::contactEmail()};
    message.body = QStringLiteral("<p>Enter your comments about Pacelog app below: </p>");
    message.bodyIsHtml = true;
    composer->compose(message);
}
