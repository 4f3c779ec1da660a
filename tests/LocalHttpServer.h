#pragma once

#include <QHash>
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
        auto *buffer = new QByteArray;
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QObject::destroyed, [buffer] { delete buffer; });
        QObject::connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
            buffer->append(socket->readAll());
            const qsizetype end = buffer->indexOf("\r\n\r\n");
            if (end < 0)
                return;
            const QList<QByteArray> lines = buffer->left(end).split('\n');
            Request request;
            request.path = lines.value(0).split(' ').value(1);
            for (const QByteArray &line : lines) {
                if (line.toLower().startsWith("user-agent:"))
                    request.userAgent = line.mid(11).trimmed();
            }
            m_requests.append(request);
            const Reply reply = m_handler(request.path);
            QByteArray out = "HTTP/1.1 " + QByteArray::number(reply.status) + " X\r\n";
            out += "Content-Type: " + reply.contentType + "\r\n";
            out += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
            out += reply.extraHeaders + "Connection: close\r\n\r\n" + reply.body;
            socket->write(out);
            socket->disconnectFromHost();
        });
    }

    QTcpServer m_server;
    Handler m_handler;
    QList<Request> m_requests;
};
