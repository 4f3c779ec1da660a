#pragma once

#include <QList>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>

// A tiny HTTP/1.1 server on 127.0.0.1 for tests: records each request's path and User-Agent
// and answers from a handler. One request per connection.
class LocalHttpServer : public QObject {
public:
    struct Reply {
        int status = 200;
        QByteArray contentType = "application/json";
        QByteArray body;
        QByteArray extraHeaders; // "Name: value\r\n" lines
    };
    struct Request {
        QByteArray path;
        QByteArray userAgent;
    };
    using Handler = std::function<Reply(const QByteArray &path)>;

    explicit LocalHttpServer(Handler handler) : m_handler(std::move(handler)) {
        QObject::connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection())
                serve(socket);
        });
        m_server.listen(QHostAddress::LocalHost);
    }

    QString baseUrl() const {
        return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort());
    }
    const QList<Request> &requests() const { return m_requests; }
    void close() { m_server.close(); }

private:
    void serve(QTcpSocket *socket) {
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            // The head stays unread in the socket until all of it has come.
            const QByteArray head = socket->peek(socket->bytesAvailable());
            if (!head.contains("\r\n\r\n"))
                return;
            const QList<QByteArray> lines = head.split('\n');
            Request request{lines.value(0).split(' ').value(1), {}};
            for (const QByteArray &line : lines) {
                if (line.toLower().startsWith("user-agent:"))
                    request.userAgent = line.mid(11).trimmed();
            }
            m_requests.append(request);
            const Reply reply = m_handler(request.path);
            socket->write("HTTP/1.1 " + QByteArray::number(reply.status) +
                          " X\r\nContent-Type: " + reply.contentType +
                          "\r\nContent-Length: " + QByteArray::number(reply.body.size()) + "\r\n" +
                          reply.extraHeaders + "Connection: close\r\n\r\n" + reply.body);
            socket->disconnectFromHost();
        });
    }

    QTcpServer m_server;
    Handler m_handler;
    QList<Request> m_requests;
};
