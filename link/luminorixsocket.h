#pragma once

#include <QString>
#include <QTcpSocket>

// The TCP connection to the service.
class LuminorixSocket : public QTcpSocket
{
    Q_OBJECT

public:
    static constexpr quint16 kServicePort = 12323;

    explicit LuminorixSocket(QObject* parent = nullptr);

    // The program always uses kServicePort; tests pass a port of their own.
    void connectToService(const QString& host, quint16 port = kServicePort);
};
