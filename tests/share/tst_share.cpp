#include "HomeNetwork.h"
#include "ScriptedDialogs.h"
#include "Sharing.h"
#include "TempDirTest.h"
#include "WindowDriver.h"

#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTest>

using namespace Qt::StringLiterals;
using TestFiles::Files;

namespace {

const QString Today = u"todays.lst"_s;
const QByteArray List = "Bakery\xb0 Bread\r\nDairy\xb0 Milk\r\nDairy\xb0 Milk\r\nZoo\r\n";

// The list shared by the window over the test's folder, its clock standing still unless moved.
struct Shared {
    Shared(const QDir& dir, Dialogs& dialogs)
        : screen(dir, dialogs) {
        screen.window().findChild<Sharing*>()->setClock([this] { return now; });
        start();
    }
    void start() {
        screen.perform(u"do MU_Share"_s);
        const auto* local = screen.window().findChild<QLabel*>(u"LocalAddress"_s);
        base = QUrl(QRegularExpression(u"http://\\S+"_s).match(local->text()).captured());
    }
    // "[Name:value;]... METHOD PATH [BODY]": the page's own Origin on a change unless named;
    // "Name:-" sends no such header. The answer's status, a blank and its body.
    QString send(const QString& line) {
        QString rest = line;
        QNetworkRequest request;
        request.setRawHeader("Origin", base.adjusted(QUrl::RemovePath).toString().toLatin1());
        request.setRawHeader("Content-Type", "application/json");
        while (rest.section(u' ', 0, 0).endsWith(u';')) {
            const QString header = rest.section(u' ', 0, 0).chopped(1);
            rest = rest.section(u' ', 1);
            request.setRawHeader(
                header.section(u':', 0, 0).toLatin1(),
                header.section(u':', 1) == u"-" ? QByteArray() : header.section(u':', 1).toUtf8());
        }
        const QString method = rest.section(u' ', 0, 0);
        request.setUrl(base.resolved(QUrl(rest.section(u' ', 1, 1))));
        if (method == u"GET")
            request.setRawHeader("Origin", {});
        QNetworkReply* reply = method == u"GET"
                                   ? network.get(request)
                                   : network.post(request, rest.section(u' ', 2).toUtf8());
        if (!QTest::qWaitFor([reply] { return reply->isFinished(); }, 5000))
            return u"no answer"_s;
        reply->deleteLater();
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        return status.isValid() ? status.toString() + u' ' + QString::fromUtf8(reply->readAll())
                                : u"cut off"_s;
    }
    // The status line a raw request from the address gets, or nothing when it is cut off; a
    // size pads the request to so many bytes.
    QByteArray sendFrom(const QString& from, qsizetype size = 0) {
        QTcpSocket socket;
        socket.bind(QHostAddress(from));
        socket.connectToHost(QHostAddress::LocalHost, quint16(base.port()));
        QByteArray request = "GET " + base.path().toLatin1() +
                             "list HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(base.port()) +
                             "\r\n";
        if (size > 0)
            request += "X-Pad: " + QByteArray(size - request.size() - 11, 'x') + "\r\n";
        socket.write(request + "\r\n");
        // The server runs in this thread: the answer is waited for, never blocked on.
        QByteArray answer;
        const bool ended = QTest::qWaitFor(
            [&] {
                answer += socket.readAll();
                return answer.contains("\r\n\r\n") ||
                       socket.state() == QAbstractSocket::UnconnectedState;
            },
            5000);
        return ended ? answer.left(answer.indexOf('\r')) : "no end";
    }

    WindowDriver screen;
    QNetworkAccessManager network;
    QUrl base;
    qint64 now = 5000000;
};

// Answers a box only once a phone has changed the list meanwhile.
class AskedWhileAPhoneChanges final : public Dialogs {
public:
    std::function<void()> meanwhile;
    int messageBox(const QString&, int, const QString&) override { return Cancel; }

protected:
    QString inputText(const QString&, const QString&, const QString&, int) override {
        meanwhile();
        return u"Eggs"_s;
    }
};

} // namespace

class ShareTest : public TempDirTest {
    Q_OBJECT

private Q_SLOTS:
    void homeNetwork_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("place"); // 2 private, 1 this computer, 0 elsewhere
        const QString rows =
            u"10.1.2.3=2 9.255.255.255=0 11.0.0.0=0 172.16.0.1=2 172.31.255.255=2 172.15.255.255=0 "
            "172.32.0.0=0 192.168.1.20=2 192.169.0.1=0 169.254.9.9=2 8.8.8.8=0 127.0.0.1=1 "
            "::ffff:192.168.0.1=2 ::ffff:1.1.1.1=0 ::1=1 fd12::1=2 fc00::=2 fe80::1=2 febf::1=2 "
            "fec0::1=0 2001:db8::1=0"_s;
        for (const QString& row : rows.split(u' '))
            QTest::newRow(qPrintable(row))
                << row.section(u'=', 0, 0) << row.section(u'=', 1).toInt();
    }
    void homeNetwork() {
        QFETCH(QString, address);
        QFETCH(int, place);
        const QHostAddress host(address);
        QCOMPARE(HomeNetwork::isPrivate(host)        ? 2
                 : HomeNetwork::isThisComputer(host) ? 1
                                                     : 0,
                 place);
        QCOMPARE(HomeNetwork::mayReach(host), place > 0);
    }

    // What phones ask, one request a line, each answered "STATUS BODY" (as its start); then the
    // window's steps, the file and what the window shows. Ticks never reach the file.
    void requests_data() {
        QTest::addColumn<QStringList>("requests"); // "REQUEST => ANSWER", as send() has them
        QTest::addColumn<QString>("steps");
        QTest::addColumn<Files>("after");
        QTest::addColumn<QString>("shows");
        const Files same{{Today, List}};
        QTest::newRow("the page and the list")
            << QStringList{u"GET ./ => 200 <!DOCTYPE html>"_s,
                           u"GET list => 200 {\"groups\":[{\"entries\":[{\"checked\":false,"
                           "\"count\":1,\"entry\":\"Bakery\u00b0 Bread\",\"item\":\"Bread\"}],"
                           "\"heading\":\"Bakery\",\"notSold\":false},{\"entries\":[{\"checked\":"
                           "false,\"count\":2,\"entry\":\"Dairy\u00b0 Milk\",\"item\":\"Milk\"},"
                           "{\"checked\":false,\"count\":1,\"entry\":\"Zoo\",\"item\":\"Zoo\"}],"
                           "\"heading\":\"Dairy\",\"notSold\":false}],\"shop\":\"\",\"version\":"
                           "\"0\"}"_s,
                           u"GET list?since=0 => 204 "_s}
            << QString() << same << u"TmpList=Bakery\u00b0 Bread|Dairy\u00b0 Milk \u00d72|Zoo"_s;
        QTest::newRow("ticks, by the page's address in a Referer too")
            << QStringList{u"POST tick {\"entry\":\"Dairy\u00b0 Milk\",\"checked\":true} => 200 {"_s,
                           u"Origin:-; Referer:%1; POST tick {\"entry\":\"Zoo\",\"checked\":true} "
                           "=> 200 {"_s,
                           u"POST tick {\"entry\":\"Zoo\",\"checked\":false} => 200 {"_s,
                           u"POST tick {\"entry\":\"Gone\",\"checked\":true} => 409 The entry is "
                           "no longer on the list."_s}
            << u"wait"_s << same << u"TmpList=Bakery\u00b0 Bread|+Dairy\u00b0 Milk \u00d72|Zoo"_s;
        QTest::newRow("additions and counts, as the window's commands, undone there")
            << QStringList{u"POST add {\"text\":\"  eggs\\r\\nbio \"} => 200 {"_s,
                           u"POST add {\"text\":\"\u0142 milk\"} => 422 Some characters of this "
                           "entry cannot be stored and will be saved as \"?\". Save anyway?"_s,
                           u"POST add {\"text\":\"\u0142 milk\",\"anyway\":true} => 200 {"_s,
                           u"POST add {\"text\":\"\"} => 422 Type an entry to add."_s,
                           u"POST count {\"entry\":\"Zoo\",\"by\":1} => 200 {"_s,
                           u"POST count {\"entry\":\"Bakery\u00b0 Bread\",\"by\":-1} => 200 {"_s,
                           u"POST count {\"entry\":\"Zoo\",\"by\":2} => 400 The request is not "
                           "understood."_s}
            << u"key TmpList Ctrl+Z; wait"_s
            << Files{{Today, "Bakery\xb0 Bread\r\nDairy\xb0 Milk\r\nDairy\xb0 Milk\r\nspecial\xb0"
                             "   eggs bio\r\nspecial\xb0 ? milk\r\nZoo\r\nZoo\r\n"}}
            << u"TmpList=Bakery\u00b0 Bread|Dairy\u00b0 Milk \u00d72|special\u00b0   eggs bio |"
               "special\u00b0 ? milk|Zoo \u00d72"_s;
        // Each refused before anything is read or changed.
        const QString tick = u" POST tick {\"entry\":\"Zoo\",\"checked\":true} => 403 Changes come "
                             "from the shared page only."_s;
        const QString add = u"POST add {\"text\":\"%1\"} => "_s;
        const QString pad = u"X-Pad:%1; GET list => "_s;
        QTest::newRow("refused")
            << QStringList{u"GET /%2/list => 404 There is no such page."_s,
                           u"GET /%3/list => 404 There is no such page."_s,
                           u"GET ../list => 404 There is no such page."_s,
                           u"Host:attacker.example; GET list => 403 The page is shared under its "
                           "address only."_s,
                           u"Host:localhost; GET list => 403 The page is shared under its address "
                           "only."_s,
                           add.arg(QString(4096 - 11, u'x')) + u"200 {"_s,
                           add.arg(QString(4097 - 11, u'x')) + u"413 The request is too large."_s,
                           pad.arg(QString(8000, u'x')) + u"200 {"_s,
                           pad.arg(QString(8192, u'x')) + u"431 The request's headers are too "
                                                          "large."_s,
                           u"Origin:-;"_s + tick,
                           u"Origin:http://attacker.example;"_s + tick,
                           u"Origin:-; Referer:http://attacker.example/;"_s + tick}
            << QString()
            << Files{{Today,
                      List.chopped(5) + "special\xb0 " + QByteArray(4085, 'x') + "\r\nZoo\r\n"}}
            << QString();
    }
    void requests() {
        QFETCH(QStringList, requests);
        QFETCH(QString, steps);
        QFETCH(Files, after);
        QFETCH(QString, shows);
        TestFiles::writeAll(m_dir, {{Today, List}});
        ScriptedDialogs dialogs;
        Shared shared(m_dir, dialogs);
        // The page's address; the key with its first letter changed; the key and a letter.
        const QString key = shared.base.path().section(u'/', 1, 1);
        for (const QString& exchange : requests) {
            const QString request = exchange.section(u" => "_s, 0, 0);
            const QString answer = shared.send(
                QString(request)
                    .replace(u"%1"_s, shared.base.toString())
                    .replace(u"%2"_s, (key.startsWith(u'0') ? u"1"_s : u"0"_s) + key.mid(1))
                    .replace(u"%3"_s, key + u'0'));
            QVERIFY2(answer.startsWith(exchange.section(u" => "_s, 1)),
                     qPrintable(request.left(60) + u" → "_s + answer.left(300)));
        }
        shared.screen.perform(steps);
        shared.screen.settle();
        TestFiles::verifyAll(m_dir, after);
        shared.screen.verify(shows.split(u"; "_s, Qt::SkipEmptyParts));
    }

    // A phone takes the entry above off while the window asks for an entry's new text: the
    // entry asked for is the one retyped.
    void aPhoneChangeWhileABoxIsUp() {
        TestFiles::writeAll(m_dir, {{Today, List}});
        AskedWhileAPhoneChanges dialogs;
        Shared shared(m_dir, dialogs);
        dialogs.meanwhile = [&] {
            QVERIFY(shared.send(u"POST count {\"entry\":\"Bakery\u00b0 Bread\",\"by\":-1}"_s)
                        .startsWith(u"200 "_s));
        };
        shared.screen.perform(u"click TmpList 2; key TmpList Return; wait"_s);
        TestFiles::verifyAll(m_dir, {{Today, "Eggs\r\nDairy\xb0 Milk\r\nDairy\xb0 Milk\r\n"}});
    }

    // What the gate lets in, with the clock standing still: 20 requests a second from one
    // address, 8 phones, 12 KB a request; stopped, the address's key is gone, its port kept.
    void limits() {
        ScriptedDialogs dialogs;
        Shared shared(m_dir, dialogs);
        for (int i = 0; i < 20; ++i)
            QCOMPARE(shared.send(u"GET list?since=0"_s), u"204 "_s);
        QVERIFY(shared.send(u"GET list"_s).startsWith(u"429 "_s));
        shared.now += 1000;
        QCOMPARE(shared.send(u"GET list?since=0"_s), u"204 "_s);
        for (int phone = 2; phone <= 8; ++phone)
            QCOMPARE(shared.sendFrom(u"127.0.0.%1"_s.arg(phone)), "HTTP/1.1 200 OK");
        QCOMPARE(shared.sendFrom(u"127.0.0.9"_s), "HTTP/1.1 503 Service Unavailable");
        shared.now += 10000;
        QCOMPARE(shared.sendFrom(u"127.0.0.9"_s), "HTTP/1.1 200 OK");
        QCOMPARE(shared.sendFrom(u"127.0.0.10"_s, 12 * 1024).left(12), "HTTP/1.1 431");
        QCOMPARE(shared.sendFrom(u"127.0.0.10"_s, 12 * 1024 + 1), QByteArray());
        const QUrl before = shared.base;
        shared.screen.perform(u"press StopSharingButton"_s);
        QVERIFY(!shared.screen.window().findChild<QWidget*>(u"sb_shared"_s)->isVisible());
        QCOMPARE(shared.send(u"GET list"_s), u"cut off"_s);
        shared.start();
        QCOMPARE(shared.base.port(), before.port());
        QVERIFY(shared.base != before);
        QCOMPARE(shared.send(u"GET "_s + before.toString() + u"list"_s).left(4), u"404 "_s);
    }
};

QTEST_MAIN(ShareTest)
#include "tst_share.moc"
