#include "loopbackpeer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

LoopbackPeer::LoopbackPeer(Kind kind) : kind(kind)
{
    connect(&server, &QTcpServer::newConnection, this, &LoopbackPeer::accept);
}

LoopbackPeer::~LoopbackPeer()
{
    filler.reset();
    if (listeningFd >= 0)
        ::close(listeningFd);
    for (const QPointer<QTcpSocket>& client : clients) {
        if (client)
            client->abort();
    }
}

bool LoopbackPeer::listen(const QHostAddress& address, quint16 port)
{
    if (kind != Kind::NeverAccepts) {
        if (!server.listen(address, port))
            return false;
        boundPort = server.serverPort();
        return true;
    }
    // QTcpServer asks for a backlog of 50; with a backlog of 0 one waiting
    // connection fills the queue, and the system then drops every further
    // attempt's SYN, so that attempt stays pending until it times out.
    listeningFd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (listeningFd < 0)
        return false;
    sockaddr_in in{};
    in.sin_family = AF_INET;
    in.sin_port = htons(port);
    in.sin_addr.s_addr = htonl(address.toIPv4Address());
    if (::bind(listeningFd, reinterpret_cast<sockaddr*>(&in), sizeof in) != 0 ||
        ::listen(listeningFd, 0) != 0)
        return false;
    socklen_t length = sizeof in;
    if (::getsockname(listeningFd, reinterpret_cast<sockaddr*>(&in), &length) != 0)
        return false;
    boundPort = ntohs(in.sin_port);
    filler = std::make_unique<QTcpSocket>();
    filler->connectToHost(address, boundPort);
    return filler->waitForConnected(10000);
}

void LoopbackPeer::accept()
{
    while (QTcpSocket* socket = server.nextPendingConnection()) {
        ++accepted;
        socket->setParent(this);
        if (kind == Kind::ClosesAtOnce) {
            socket->close();
            socket->deleteLater();
            continue;
        }
        clients.append(socket);
        connect(socket, &QTcpSocket::readyRead, this,
                [this, socket] { received += socket->readAll().size(); });
        connect(socket, &QTcpSocket::disconnected, this, [this] { ++closedCount; });
    }
}
