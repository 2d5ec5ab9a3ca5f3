#include "app/OneInstance.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace norvane {

OneInstance::OneInstance(const QString &name, QObject *parent) : QObject(parent), m_name(name) {}

OneInstance::~OneInstance() = default;

QString OneInstance::nameForThisProgram()
{
    QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName() + QLatin1Char('-') + user;
}

// The message is the file paths, one per line, in UTF-8; an empty message only
// asks the running instance to come to the front.
bool OneInstance::handOver(const QStringList &files, int timeoutMs) const
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    QByteArray message = files.join(QLatin1Char('\n')).toUtf8();
    message.append('\n');
    socket.write(message);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return true;
}

bool OneInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // A server file left behind by a crashed instance blocks the name.
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name))
            return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            auto buffer = std::make_shared<QByteArray>();
            connect(socket, &QLocalSocket::readyRead, socket, [socket, buffer] { buffer->append(socket->readAll()); });
            connect(socket, &QLocalSocket::disconnected, this, [this, socket, buffer] {
                buffer->append(socket->readAll());
                QStringList files = QString::fromUtf8(*buffer).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
                socket->deleteLater();
                emit activationRequested(files);
            });
        }
    });
    return true;
}

} // namespace norvane
