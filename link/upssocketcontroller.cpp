#include "upssocketcontroller.h"

#include "cipher/cipherwrappers.h"
#include "common/helpers.h"
#include "framing.h"
#include "linkmetatypes.h"
#include "owntext.h"
#include "replybounds.h"
#include "replyparsers.h"
#include "requestforms.h"
#include "requestserializers.h"
#include "virtualizationparsers.h"

#include <QHash>
#include <QIODevice>
#include <QPointer>
#include <QTimer>
#include <QXmlStreamReader>
#include <QtDebug>
#include <cstring>
#include <utility>

namespace Luminorix {

namespace {
const char* flagText(bool value)
{
    return value ? "1" : "0";
}
} // namespace

UpsSocketController::UpsSocketController(quint16 port) : QObject(nullptr), m_port(port)
{
    registerLinkMetaTypes();
    m_adminSession = new AdminSession(this);
    m_socket = new LuminorixSocket(nullptr);
    connect(m_socket, &QAbstractSocket::connected, this, &UpsSocketController::connected);
    connect(m_socket, &QAbstractSocket::disconnected, this, &UpsSocketController::disconnected);
    connect(m_socket, &QIODevice::readyRead, this, &UpsSocketController::readReady);
    connect(m_socket, &QAbstractSocket::errorOccurred, this,
            QOverload<QAbstractSocket::SocketError>::of(&UpsSocketController::error));
    m_answerTimer = new QTimer(this);
    m_answerTimer->setSingleShot(true);
    connect(m_answerTimer, &QTimer::timeout, this, &UpsSocketController::noAnswer);
}

UpsSocketController::~UpsSocketController()
{
    // Closing would re-enter disconnected() and start a new reconnect cycle
    // on a half-destroyed object.
    m_socket->disconnect(this);
    if (m_socket->isOpen())
        m_socket->close();
    delete m_socket;
    m_socket = nullptr;
    if (m_pollTimer) {
        m_pollTimer->stop();
        delete m_pollTimer;
        m_pollTimer = nullptr;
    }
    if (m_reconnectTimer) {
        m_reconnectTimer->stop();
        delete m_reconnectTimer;
        m_reconnectTimer = nullptr;
    }
}

void UpsSocketController::setHost(const QString& host)
{
    if (host != m_host)
        m_adminSession->end();
    m_host = host;
}

QString UpsSocketController::host() const
{
    return m_host;
}

void UpsSocketController::setPassword(const QString& digest)
{
    if (digest.isEmpty())
        m_adminSession->end();
    else
        m_adminSession->begin(digest);
}

QString UpsSocketController::password() const
{
    return m_adminSession->digest();
}

AdminSession* UpsSocketController::session() const
{
    return m_adminSession;
}

bool UpsSocketController::sendAsAdministrator(AdminSession::Stamp stamp, const std::function<void()>& send)
{
    if (!m_adminSession->isCurrent(stamp))
        return false;
    const AdminSession::Stamp outer = m_requestStamp;
    const bool outerRefused = m_requestRefused;
    m_requestStamp = stamp;
    m_requestRefused = false;
    send();
    const bool refused = m_requestRefused;
    m_requestStamp = outer;
    m_requestRefused = outerRefused || refused;
    return !refused;
}

void UpsSocketController::setPort(quint16 port)
{
    m_port = port;
}

quint16 UpsSocketController::port() const
{
    return m_port;
}

void UpsSocketController::setTiming(const Timing& timing)
{
    m_timing = timing;
    if (m_reconnectTimer)
        m_reconnectTimer->setInterval(m_timing.reconnectMs);
    if (m_pollTimer)
        m_pollTimer->setInterval(m_timing.pollMs);
    if (m_answerTimer->isActive())
        m_answerTimer->start(m_answered ? m_timing.silenceMs : m_timing.answerMs);
}

UpsSocketController::Timing UpsSocketController::timing() const
{
    return m_timing;
}

void UpsSocketController::setSendObserver(std::function<void(const QByteArray&)> observer)
{
    m_sendObserver = std::move(observer);
}

bool UpsSocketController::isPolling() const
{
    return m_pollTimer != nullptr;
}

bool UpsSocketController::isReconnecting() const
{
    return m_reconnectTimer != nullptr;
}

LuminorixSocket* UpsSocketController::socket() const
{
    return m_socket;
}

void UpsSocketController::disconnectFromService()
{
    m_adminSession->end();
    // Dropping on request (a new host) is no failure: the next attempt goes at once.
    m_deferNextAttempt = false;
    switch (m_socket->state()) {
    case QAbstractSocket::HostLookupState:
    case QAbstractSocket::ConnectingState:
        // disconnectFromHost() would only note a close for when the attempt
        // succeeds, leaving it to run against the old host until the system
        // gives up on it.
        m_socket->abort();
        if (m_reconnectTimer)
            resumeReconnecting();
        break;
    case QAbstractSocket::UnconnectedState:
        if (m_reconnectTimer)
            resumeReconnecting();
        break;
    default:
        m_dropRequested = true;
        m_socket->disconnectFromHost();
        break;
    }
}

void UpsSocketController::startReconnecting()
{
    if (m_reconnectTimer)
        return;
    m_reconnectTimer = new QTimer(this);
    connect(m_reconnectTimer, &QTimer::timeout, this, &UpsSocketController::tryToConnect);
    if (!m_deferNextAttempt)
        postAttempt();
    m_deferNextAttempt = false;
    m_reconnectTimer->start(m_timing.reconnectMs);
}

void UpsSocketController::resumeReconnecting()
{
    if (!m_reconnectTimer) {
        startReconnecting();
        return;
    }
    // A cycle began while the connection was still closing: count from now.
    m_reconnectTimer->start(m_timing.reconnectMs);
    if (!m_deferNextAttempt)
        postAttempt();
    m_deferNextAttempt = false;
}

void UpsSocketController::postAttempt()
{
    // Tied to the cycle's timer, so it is dropped when the cycle ends first.
    QTimer::singleShot(0, m_reconnectTimer, [this] { tryToConnect(); });
}

void UpsSocketController::tryToConnect()
{
    // A tick while an attempt is pending (or while connected) changes nothing;
    // connectToHost() on such a socket would only warn.
    if (m_socket->state() != QAbstractSocket::UnconnectedState)
        return;
    m_socket->connectToService(m_host, m_port);
}

void UpsSocketController::connected()
{
    m_deferNextAttempt = false;
    if (m_reconnectTimer) {
        m_reconnectTimer->stop();
        delete m_reconnectTimer;
        m_reconnectTimer = nullptr;
    }
    delete m_pollTimer; // a second connected() without a disconnection in between
    m_pollTimer = nullptr;
    m_session = true;
    m_answered = false;
    m_dropRequested = false;
    m_dropWarned = false;
    m_selection.newConnection();
    m_answerTimer->start(m_timing.answerMs);
    const QPointer<UpsSocketController> alive(this);
    emit upsConnected();
    if (!alive)
        return;
    getUpsModelList();
    getAvailablePorts();
    getDebuggingStatus();
    getServiceVersion();
    getShutdownTimers();
    getVirtualizationCenterEnabled();
    getVirtualizationCenterVersion();
    waitMilliseconds(m_timing.startupPauseMs);
    // A write into a connection the service had already closed ends it at once.
    if (!m_session)
        return;
    m_pollTimer = new QTimer(this);
    connect(m_pollTimer, &QTimer::timeout, this, &UpsSocketController::getUpsDeviceData);
    // Tied to the poll timer, so no tick runs after the connection is gone.
    QTimer::singleShot(0, m_pollTimer, [this] { getUpsDeviceData(); });
    m_pollTimer->start(m_timing.pollMs);
}

void UpsSocketController::endSession()
{
    // The service that comes back may be another one, or hold another password.
    m_adminSession->end();
    m_session = false;
    m_answerTimer->stop();
    if (m_pollTimer) {
        m_pollTimer->stop();
        delete m_pollTimer;
        m_pollTimer = nullptr;
    }
    if (!m_answered && !m_dropRequested)
        m_deferNextAttempt = true;
    m_dropRequested = false;
}

void UpsSocketController::disconnected()
{
    if (!m_session)
        return;
    endSession();
    resumeReconnecting();
}

void UpsSocketController::error(QAbstractSocket::SocketError)
{
    const bool lost = m_session;
    if (lost)
        endSession();
    const QPointer<UpsSocketController> alive(this);
    emit socketError();
    if (!alive)
        return;
    if (lost)
        resumeReconnecting();
    else
        startReconnecting();
}

void UpsSocketController::noAnswer()
{
    if (!m_session)
        return;
    if (m_answered)
        qWarning("UpsSocketController: %s answered nothing for %d ms, connection lost", qPrintable(m_host),
                 m_timing.silenceMs);
    else
        qWarning("UpsSocketController: no answer from %s within %d ms, trying again later",
                 qPrintable(m_host), m_timing.answerMs);
    endSession();
    // Not again at once: a hung service still takes connections and says nothing.
    m_deferNextAttempt = true;
    m_socket->abort();
    const QPointer<UpsSocketController> alive(this);
    emit socketError();
    if (alive)
        resumeReconnecting();
}

void UpsSocketController::error(QLocalSocket::LocalSocketError)
{
    emit socketError();
    startReconnecting();
}

void UpsSocketController::stateChanged(QLocalSocket::LocalSocketState state)
{
    if (state == QLocalSocket::ClosingState)
        disconnected();
}

void UpsSocketController::readReady()
{
    readMessages();
}

void UpsSocketController::getUpsDeviceData()
{
    // Every write is a trip through the network stack and a wake-up of the
    // service, so the tick's requests leave in one.
    m_batching = true;
    if (m_pollCounter % 3 != 0) {
        getUpsCurrentStatusList();
        if (sendMessage(plainRequest(QStringLiteral("get_ups_device_state"), password())))
            m_selection.asked(SelectedDeviceReplies::State);
        ++m_pollCounter;
    } else {
        getUpsConfiguration();
        m_pollCounter = 1;
    }
    m_batching = false;
    writeBatch();
}

void UpsSocketController::writeBatch()
{
    if (m_batch.isEmpty())
        return;
    const QByteArray frames = std::exchange(m_batch, QByteArray());
    const qint64 written = m_socket->write(frames);
    m_socket->flush();
    if (written != frames.size())
        qWarning("UpsSocketController: requests not written whole (%lld of %d bytes)", written,
                 frames.size());
}

bool UpsSocketController::sendMessage(const QByteArray& text)
{
    // An administrator request whose session ended meanwhile (a nested event
    // loop, a reply that made the next request) is never made.
    if (m_requestStamp && !m_adminSession->isCurrent(m_requestStamp)) {
        m_requestRefused = true;
        return false;
    }
    if (m_sendObserver)
        m_sendObserver(text);
    if (m_socket->state() != QAbstractSocket::ConnectedState) {
        // Once per disconnection: a dialog or a tick may go on asking meanwhile.
        if (!m_dropWarned)
            qWarning("UpsSocketController: not connected, request dropped");
        m_dropWarned = true;
        return false;
    }
    const QByteArray frame = buildFrame(encryptMessage(text));
    if (m_batching) {
        m_batch += frame;
        armAnswerTimer();
        return true;
    }
    const qint64 written = m_socket->write(frame);
    m_socket->flush();
    if (written != frame.size()) {
        qWarning("UpsSocketController: request not written whole (%lld of %d bytes)", written, frame.size());
        return false;
    }
    armAnswerTimer();
    return true;
}

void UpsSocketController::armAnswerTimer()
{
    // Only a complete reply stops it, so a service that takes requests and
    // stays silent, or answers with a frame that never ends, is found out.
    if (m_session && !m_answerTimer->isActive())
        m_answerTimer->start(m_answered ? m_timing.silenceMs : m_timing.answerMs);
}

void UpsSocketController::readMessages()
{
    readMessagesFrom(*m_socket);
}

void UpsSocketController::readMessagesFrom(QIODevice& device)
{
    const QPointer<UpsSocketController> alive(this);
    while (device.bytesAvailable() > kFrameHeaderSize) {
        char header[kFrameHeaderSize];
        if (device.peek(header, kFrameHeaderSize) != kFrameHeaderSize)
            return;
        const qint64 length = readFrameLength(header);
        if (length > kMaxFrameLength) {
            abortForBadData();
            return;
        }
        if (device.bytesAvailable() < kFrameHeaderSize + length)
            return;
        device.read(header, kFrameHeaderSize);
        const QByteArray cipherText = device.read(length);
        m_answered = true;
        m_answerTimer->stop();
        const QByteArray plain = decryptMessageBytes(cipherText);
        m_frameAborted = false;
        handlePlainReply(plain);
        if (!alive || m_frameAborted)
            return;
    }
}

void UpsSocketController::handlePlainReply(const QByteArray& plain)
{
    if (!dispatchStatusListBytes(plain))
        handleReply(messageText(plain), plain);
}

void UpsSocketController::handleReply(const QString& message, const QByteArray& plain)
{
    // A compressed frame may hold far more text than the frame bound lets
    // through uncompressed; the text is held to the same bound.
    if (message.size() > kMaxFrameLength) {
        abortForBadData();
        return;
    }
    // The plain reader keeps the same bounds itself.
    if (dispatchPlain(message, plain))
        return;
    if (!withinReplyBounds(message)) {
        abortForBadData();
        return;
    }
    QXmlStreamReader reader(message);
    handleMessage(&reader);
}

void UpsSocketController::abortForBadData()
{
    m_frameAborted = true;
    if (m_socket->state() == QAbstractSocket::UnconnectedState)
        return;
    m_deferNextAttempt = true;
    m_socket->abort();
}

void UpsSocketController::handleMessage(QXmlStreamReader* reader)
{
    QXmlStreamReader& r = *reader;
    const QPointer<UpsSocketController> alive(this);
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartDocument())
            r.readNext();
        if (r.hasError()) {
            abortForBadData();
            return;
        }
        dispatch(r);
        if (!alive)
            return; // a receiver deleted the controller
        r.readNextStartElement();
        r.readNext();
    }
}

// The poll replies come several times a second and QXmlStreamReader spent
// most of the cycle on them; when plain, they are read from a plain token
// stream by the same readers. Anything else is left to handleMessage (false).
bool UpsSocketController::dispatchPlain(const QString& message, const QByteArray& plain)
{
    enum Root
    {
        DeviceState,
        StatusList,
        Configuration,
        Other
    };
    const auto rootOf = [&message](QLatin1String name) {
        return message.size() > name.size() + 1 && message.startsWith(QLatin1Char('<')) &&
               QStringRef(&message, 1, name.size()) == name;
    };
    const Root root = rootOf(QLatin1String("ups_device_state"))          ? DeviceState
                      : rootOf(QLatin1String("ups_current_status_list")) ? StatusList
                      : rootOf(QLatin1String("ups_configuration"))       ? Configuration
                                                                         : Other;
    if (root == Other)
        return false;
    // Between changes the service repeats itself: the same text reads the same.
    if (root == DeviceState && message == m_lastDeviceState.text) {
        emitDeviceState(m_lastDeviceState.parameters);
        return true;
    }
    if (root == Configuration && message == m_lastConfiguration.text) {
        emitConfiguration(m_lastConfiguration.parameters);
        return true;
    }
    // A repeated list was answered from its bytes; any other text is compared
    // once, by the reader, which finds where it changed.
    if (root == StatusList && m_statusListReader.readChanged(message, &m_lastStatusList, plain)) {
        m_lastStatusListPlain = plain;
        emit upsCurrentStatusListReceived(m_lastStatusList);
        return true;
    }
    PlainXmlReader reader;
    if (!reader.load(message))
        return false;
    reader.readNext(); // start of document
    reader.readNext(); // the root, whose name may only begin like one above
    const QStringRef name = reader.name();
    if (root == DeviceState && name == QLatin1String("ups_device_state")) {
        m_lastDeviceState = {message, parseDeviceState(reader)};
        emitDeviceState(m_lastDeviceState.parameters);
    } else if (root == StatusList && name == QLatin1String("ups_current_status_list")) {
        m_lastStatusList = m_statusListReader.read(reader, plain);
        m_lastStatusListPlain = plain;
        emit upsCurrentStatusListReceived(m_lastStatusList);
    } else if (root == Configuration && name == QLatin1String("ups_configuration")) {
        m_lastConfiguration = {message, parseUpsConfiguration(reader)};
        emitConfiguration(m_lastConfiguration.parameters);
    } else {
        return false;
    }
    return true;
}

// Most polls bring a list that repeats the last or changes a device or two;
// making the text of the whole list would then cost more than reading it.
bool UpsSocketController::dispatchStatusListBytes(const QByteArray& plain)
{
    static const char root[] = "<ups_current_status_list";
    const int rootSize = int(sizeof root) - 1;
    if (plain.size() <= rootSize || plain.size() > kMaxFrameLength ||
        std::memcmp(plain.constData(), root, rootSize) != 0)
        return false;
    if (!plain.isSharedWith(m_lastStatusListPlain) &&
        !m_statusListReader.readChanged(plain, &m_lastStatusList))
        return false;
    m_lastStatusListPlain = plain;
    emit upsCurrentStatusListReceived(m_lastStatusList);
    return true;
}

void UpsSocketController::emitDeviceState(const QMap<QString, QString>& parameters)
{
    // A state asked for before the selection changed is the old device's.
    if (m_selection.answerIsCurrent(SelectedDeviceReplies::State))
        emit upsDeviceState(parameters);
}

void UpsSocketController::emitConfiguration(const QMap<QString, QString>& parameters)
{
    if (m_selection.answerIsCurrent(SelectedDeviceReplies::Configuration))
        emit upsConfiguration(parameters);
}

void UpsSocketController::readOneText(QXmlStreamReader& r, void (UpsSocketController::*signal)(QString))
{
    r.readNext();
    const QString value = ownText(r.text());
    r.readNext();
    // A text cut off by a broken document is not the service's answer.
    if (!r.hasError())
        emit(this->*signal)(value);
}

namespace {
using Controller = UpsSocketController;

// The result pair every virtualization centre command answers with.
template <void (*Parse)(QXmlStreamReader&, bool&, QString&), void (Controller::*Signal)(bool, QString)>
void readResultPair(Controller& c, QXmlStreamReader& r)
{
    bool hasError = true;
    QString errorStr;
    Parse(r, hasError, errorStr);
    emit(c.*Signal)(hasError, errorStr);
}

// A list or record that is handed on only when its reply was read to its end.
template <typename T, T (*Parse)(QXmlStreamReader&, bool*), void (Controller::*Signal)(T)>
void readWhole(Controller& c, QXmlStreamReader& r)
{
    bool complete = false;
    const T value = Parse(r, &complete);
    if (complete)
        emit(c.*Signal)(value);
}
} // namespace

const QHash<QString, UpsSocketController::ReplyReader>& UpsSocketController::replyReaders()
{
    using Utils::ApplicationConfiguration;
    using R = QXmlStreamReader;
    static const QHash<QString, ReplyReader> readers = {
        {QStringLiteral("ups_device_state"),
         [](Controller& c, R& r) { c.emitDeviceState(parseDeviceState(r)); }},
        {QStringLiteral("ups_configuration"),
         [](Controller& c, R& r) { c.emitConfiguration(parseUpsConfiguration(r)); }},
        {QStringLiteral("show_message"),
         [](Controller& c, R& r) { emit c.showMessage(parseShowMessage(r)); }},
        {QStringLiteral("discovered_message"),
         [](Controller& c, R& r) { c.readOneText(r, &Controller::discoveredComputer); }},
        {QStringLiteral("smtp2_test_status"),
         [](Controller& c, R& r) {
             int status = 0;
             QStringList messages;
             parseSmtpTestStatus(r, status, messages);
             emit c.smpt2TestStatus(status, messages);
         }},
        {QStringLiteral("get_password"),
         [](Controller& c, R& r) { c.readOneText(r, &Controller::adminPassFromConfig); }},
        {QStringLiteral("netclient_password"),
         [](Controller& c, R& r) { c.readOneText(r, &Controller::netclientPass); }},
        {QStringLiteral("netclient_password_changed"), [](Controller& c, R&) { emit c.passwordChanged(); }},
        {QStringLiteral("admin_password_changed"), [](Controller& c, R&) { emit c.passwordChanged(); }},
        {QStringLiteral("groups"), readWhole<QVector<Group>, parseGroups, &Controller::groupReceived>},
        {QStringLiteral("events"), readWhole<QVector<Event>, parseEvents, &Controller::eventsReceived>},
        {QStringLiteral("all_computers"),
         readWhole<QVector<Computer>, parseAllComputers, &Controller::allComputersReceived>},
        {QStringLiteral("application_configuration"),
         readWhole<ApplicationConfiguration, parseApplicationConfiguration,
                   &Controller::appConfifuratioReceived>},
        {QStringLiteral("service_version"),
         [](Controller& c, R& r) { c.readOneText(r, &Controller::serviceVersionReceived); }},
        {QStringLiteral("available_ports"),
         [](Controller& c, R& r) { emit c.availablePortsReceived(parseAvailablePorts(r)); }},
        {QStringLiteral("ups_model_list"),
         [](Controller& c, R& r) { emit c.upsModelMessageReceived(parseUpsModelList(r)); }},
        {QStringLiteral("ups_current_status_list"),
         [](Controller& c, R& r) { emit c.upsCurrentStatusListReceived(parseUpsCurrentStatusList(r)); }},
        {QStringLiteral("daemon_is_busy"), [](Controller& c, R&) { emit c.daemonIsBusy(true); }},
        {QStringLiteral("daemon_is_ready"), [](Controller& c, R&) { emit c.daemonIsBusy(false); }},
        {QStringLiteral("ups_logs"), [](Controller& c, R& r) { emit c.upsLogs(parseUpsLogs(r)); }},
        {QStringLiteral("debugging_enabled"), [](Controller& c, R&) { emit c.debugModeEnabled(true); }},
        {QStringLiteral("debugging_disabled"), [](Controller& c, R&) { emit c.debugModeEnabled(false); }},
        {QStringLiteral("show_countdown"),
         [](Controller& c, R& r) { emit c.showCountdownTimer(parseShutdownTimers(r)); }},
        {QStringLiteral("virtualization_center_version"),
         [](Controller& c, R& r) { c.readOneText(r, &Controller::virtualizationCenterVersionReceived); }},
        {QStringLiteral("virtualization_center_enabled"),
         [](Controller& c, R&) { emit c.virtualizationCenterEnabledReceived(true); }},
        {QStringLiteral("virtualization_center_disabled"),
         [](Controller& c, R&) { emit c.virtualizationCenterEnabledReceived(false); }},
        {QStringLiteral("virtualization_center_settings"),
         [](Controller& c, R& r) {
             emit c.virtualizationCenterSettingsReceived(parseVirtualizationCenterSettings(r));
         }},
        {QStringLiteral("virtualization_center_host_list"),
         [](Controller& c, R& r) { emit c.virtualizationCenterHostListReceived(parseHostList(r)); }},
        {QStringLiteral("virtualization_center_esxisshhost_details"),
         [](Controller& c, R& r) {
             emit c.virtualizationCenterEsxiSshHostDetailsReceived(parseEsxiSshHostDetails(r));
         }},
        {QStringLiteral("virtualization_center_add_new_host_result"),
         [](Controller& c, R& r) {
             emit c.virtualizationCenterHostAddNewResultReceived(parseAddNewHostResult(r));
         }},
        {QStringLiteral("virtualization_center_test_esxisshhost_result"),
         readResultPair<parseTestEsxiSshHostResult,
                        &Controller::virtualizationCenterEsxiSshHostTestResultReceived>},
        {QStringLiteral("virtualization_center_edit_host_result"),
         [](Controller& c, R& r) {
             emit c.virtualizationCenterChangeHostSettingsResultReceived(parseEditHostResult(r));
         }},
        {QStringLiteral("virtualization_center_host_management"),
         [](Controller& c, R& r) {
             emit c.virtualizationCenterHostManagementReceived(parseHostManagement(r));
         }},
        {QStringLiteral("virtualization_center_set_host_management_result"),
         readResultPair<parseSetHostManagementResult,
                        &Controller::virtualizationCenterHostManagementSetResultReceived>},
        {QStringLiteral("virtualization_center_action_list"),
         [](Controller& c, R& r) { emit c.virtualizationCenterActionListReceived(parseActionList(r)); }},
        {QStringLiteral("virtualization_center_action_list_add_result"),
         readResultPair<parseActionListAddResult, &Controller::virtualizationCenterAddActionResultReceived>},
        {QStringLiteral("virtualization_center_action_list_edit_result"),
         readResultPair<parseActionListEditResult,
                        &Controller::virtualizationCenterEditActionResultReceived>},
        {QStringLiteral("virtualization_center_action_list_delete_result"),
         readResultPair<parseActionListDeleteResult,
                        &Controller::virtualizationCenterDeleteActionResultReceived>},
        {QStringLiteral("virtualization_center_action_run_result"),
         readResultPair<parseActionRunResult, &Controller::virtualizationCenterRunActionResultReceived>},
        {QStringLiteral("virtualization_center_hostvmsinfo"),
         [](Controller& c, R& r) { emit c.virtualizationCenterHostVmsInfoReceived(parseHostVmsInfo(r)); }},
    };
    return readers;
}

void UpsSocketController::dispatch(QXmlStreamReader& r)
{
    const QStringRef name = r.name();
    if (const ReplyReader read = replyReaders().value(name.toString())) {
        read(*this, r);
        return;
    }
    emit dataFromUps(name.toString());
    r.readNext();
}

// ---- request forms

void UpsSocketController::sendCommand(const QString& name)
{
    sendMessage(plainRequest(name, password()));
}

void UpsSocketController::sendCommandWithPayload(const QString& name, const QByteArray& payload)
{
    sendMessage(payloadRequest(name, password(), payload));
}

void UpsSocketController::sendCommandWithParameters(const QString& name,
                                                    const QMap<QString, QString>& parameters)
{
    sendMessage(mapRequest(name, password(), parameters));
}

// ---- plain requests

void UpsSocketController::getUpsConfiguration()
{
    if (sendMessage(plainRequest(QStringLiteral("get_ups_configuration"), password())))
        m_selection.asked(SelectedDeviceReplies::Configuration);
}

void UpsSocketController::getUpsCurrentStatusList()
{
    sendCommand(QStringLiteral("get_ups_current_status_list"));
}

void UpsSocketController::getUpsModelList()
{
    sendCommand(QStringLiteral("get_ups_model_list"));
}

void UpsSocketController::getAvailablePorts()
{
    sendCommand(QStringLiteral("get_available_ports"));
}

void UpsSocketController::getDebuggingStatus()
{
    sendCommand(QStringLiteral("get_debugging_status"));
}

void UpsSocketController::getServiceVersion()
{
    sendCommand(QStringLiteral("get_service_version"));
}

void UpsSocketController::getShutdownTimers()
{
    sendCommand(QStringLiteral("get_shutdown_timers"));
}

void UpsSocketController::getVirtualizationCenterEnabled()
{
    sendCommand(QStringLiteral("get_virtualization_center_enabled"));
}

void UpsSocketController::getVirtualizationCenterVersion()
{
    sendCommand(QStringLiteral("get_virtualization_center_version"));
}

void UpsSocketController::getVirtualizationCenterSettings()
{
    sendCommand(QStringLiteral("get_virtualization_center_settings"));
}

void UpsSocketController::getVirtualizationCenterHostList()
{
    sendCommand(QStringLiteral("get_virtualization_center_host_list"));
}

void UpsSocketController::getVirtualizationCenterHostManagement()
{
    sendCommand(QStringLiteral("get_virtualization_center_host_management"));
}

void UpsSocketController::getVirtualizationCenterActionList()
{
    sendCommand(QStringLiteral("get_virtualization_center_action_list"));
}

void UpsSocketController::getApplicationConfiguration()
{
    sendCommand(QStringLiteral("get_application_configuration"));
}

// ---- payload requests

void UpsSocketController::getNetworkConfiguration(const QString& upsId)
{
    sendCommandWithPayload(QStringLiteral("get_network_configuration"), idElement(escapeXml(upsId)));
}

void UpsSocketController::removeUps(const QString& upsId)
{
    sendCommandWithPayload(QStringLiteral("remove_ups"), idElement(escapeXml(upsId)));
}

void UpsSocketController::removeComputer(int id)
{
    sendCommandWithPayload(QStringLiteral("remove_computer"), idElement(QString::number(id)));
}

void UpsSocketController::sendChangeUpsOnInterface(int id)
{
    const bool told = sendMessage(payloadRequest(QStringLiteral("change_device_on_interface"), password(),
                                                 idElement(QString::number(id))));
    m_selection.select(id, told);
}

void UpsSocketController::setVirtualizationCenterEnabled(bool enabled)
{
    sendCommandWithPayload(QStringLiteral("set_virtualization_center_enabled"), flagText(enabled));
}

void UpsSocketController::sendTestMail(const Luminorix::Utils::SmtpConfig& config)
{
    sendCommandWithPayload(QStringLiteral("smtp2_send_test_mail"), serializeSmtpConfig(config));
}

void UpsSocketController::sendApplicationConfiguration(
    const Luminorix::Utils::ApplicationConfiguration& configuration)
{
    sendCommandWithPayload(QStringLiteral("application_configuration"),
                           serializeApplicationConfiguration(configuration));
}

void UpsSocketController::sendGroups(const QVector<Group>& groups, const QString& upsId)
{
    sendCommandWithPayload(QStringLiteral("groups"), serializeGroups(groups, upsId));
}

void UpsSocketController::sendEvents(const QVector<Event>& events, const QString& upsId)
{
    sendCommandWithPayload(QStringLiteral("events"), serializeEvents(events, upsId));
}

void UpsSocketController::sendAllComputers(const QVector<Computer>& computers)
{
    sendCommandWithPayload(QStringLiteral("all_computers"), serializeComputers(computers));
}

void UpsSocketController::setNewUps(const Luminorix::Utils::Ups& ups)
{
    sendCommandWithPayload(QStringLiteral("set_new_ups"), serializeUps(ups));
}

void UpsSocketController::changeUps(const Luminorix::Utils::Ups& ups)
{
    sendCommandWithPayload(QStringLiteral("change_ups"), serializeUps(ups));
}

void UpsSocketController::changeLogConfig(const Luminorix::Utils::Ups& ups)
{
    sendCommandWithPayload(QStringLiteral("change_log_config"), serializeUps(ups));
}

// ---- writer requests

void UpsSocketController::addVirtualizationCenterAction(const VmTableWidgetTypes::ActionParameters& action)
{
    sendMessage(actionRequest(QStringLiteral("set_virtualization_center_action_list_add"), password(), action,
                              nullptr));
}

void UpsSocketController::editVirtualizationCenterAction(int actionId,
                                                         const VmTableWidgetTypes::ActionParameters& action)
{
    sendMessage(actionRequest(QStringLiteral("set_virtualization_center_action_list_edit"), password(),
                              action, &actionId));
}

void UpsSocketController::runVirtualizationCenterAction(const QList<int>& ids)
{
    sendMessage(runActionRequest(password(), ids));
}

// ---- map requests

void UpsSocketController::getPassword()
{
    sendCommandWithParameters(QStringLiteral("get_password"), {});
}

void UpsSocketController::changePassword(const QMap<QString, QString>& parameters)
{
    sendCommandWithParameters(QStringLiteral("change_password"), escapedValues(parameters));
}

void UpsSocketController::getNetClientPassword(const QMap<QString, QString>& parameters)
{
    sendCommandWithParameters(QStringLiteral("get_netclient_pass"), escapedValues(parameters));
}

void UpsSocketController::changeNetclientPassword(const QMap<QString, QString>& parameters)
{
    sendCommandWithParameters(QStringLiteral("change_netclient_password"), escapedValues(parameters));
}

void UpsSocketController::getUpsLogs(const QMap<QString, QString>& parameters)
{
    sendCommandWithParameters(QStringLiteral("get_ups_logs"), escapedValues(parameters));
}

void UpsSocketController::setUpsConfiguration(const QMap<QString, QString>& parameters)
{
    sendCommandWithParameters(QStringLiteral("set_ups_configuration"), escapedValues(parameters));
}

void UpsSocketController::setVirtualizationCenterSettings(const QMap<QString, QString>& parameters)
{
    sendCommandWithParameters(QStringLiteral("set_virtualization_center_settings"), parameters);
}

void UpsSocketController::deleteVirtualizationCenterAction(int id)
{
    sendCommandWithParameters(QStringLiteral("set_virtualization_center_action_list_delete"),
                              {{QStringLiteral("id"), QString::number(id)}});
}

void UpsSocketController::getVirtualizationCenterEsxiSshHostDetails(int id)
{
    sendCommandWithParameters(QStringLiteral("get_virtualization_center_esxisshhost_details"),
                              {{QStringLiteral("id"), QString::number(id)}});
}

void UpsSocketController::getVirtualizationCenterHostVmsInfo(int hostType, int hostId)
{
    sendCommandWithParameters(QStringLiteral("get_virtualization_center_hostvmsinfo"),
                              {{QStringLiteral("host_type"), QString::number(hostType)},
                               {QStringLiteral("host_id"), QString::number(hostId)}});
}

void UpsSocketController::removeVirtualizationCenterHost(int type, int id)
{
    sendCommandWithParameters(
        QStringLiteral("set_virtualization_center_remove_host"),
        {{QStringLiteral("type"), QString::number(type)}, {QStringLiteral("id"), QString::number(id)}});
}

void UpsSocketController::editVirtualizationCenterHost(int type, int id,
                                                       const QMap<QString, QString>& parameters)
{
    QMap<QString, QString> copy = parameters;
    copy.insert(QStringLiteral("type"), QString::number(type));
    copy.insert(QStringLiteral("id"), QString::number(id));
    sendCommandWithParameters(QStringLiteral("set_virtualization_center_edit_host"), copy);
}

void UpsSocketController::testVirtualizationCenterEsxiSshHost(int id, bool allowConnectNewHost)
{
    sendCommandWithParameters(
        QStringLiteral("set_virtualization_center_test_esxisshhost"),
        {{QStringLiteral("id"), QString::number(id)},
         {QStringLiteral("allow_connect_new_host"), QLatin1String(flagText(allowConnectNewHost))}});
}

void UpsSocketController::setVirtualizationCenterHostManagement(
    const VmTableWidgetTypes::ManagementConfig& config)
{
    sendCommandWithParameters(QStringLiteral("set_virtualization_center_host_management"),
                              {{QStringLiteral("host_type"), QString::number(config.host_type)},
                               {QStringLiteral("host_id"), QString::number(config.host_id)},
                               {QStringLiteral("vm_id"), QString::number(config.vm_id)},
                               {QStringLiteral("is_managed_from_internal_vm"),
                                QLatin1String(flagText(config.is_managed_from_internal_vm))},
                               {QStringLiteral("shutdown_ups_with_master_vm"),
                                QLatin1String(flagText(config.shutdown_ups_with_master_vm))}});
}

void UpsSocketController::addVirtualizationCenterEsxiSshHost(const VirtualizationCenterEsxiShhHost& host)
{
    sendCommandWithParameters(
        QStringLiteral("set_virtualization_center_add_new_esxisshhost"),
        {{QStringLiteral("is_enabled"), QLatin1String(flagText(host.is_enabled))},
         {QStringLiteral("name"), escapeXml(host.name)},
         {QStringLiteral("address"), escapeXml(host.address)},
         {QStringLiteral("port"), QString::number(host.port)},
         {QStringLiteral("user_name"), escapeXml(host.user_name)},
         {QStringLiteral("auth_method_password"), QLatin1String(flagText(host.auth_method_password))},
         {QStringLiteral("password"), escapeXml(host.password)}});
}

} // namespace Luminorix
