#include "fake_window_system.h"
#include "window_services/hook_table.h"
#include "window_services/magnetic_dock.h"

#include <QTest>

#include <functional>
#include <vector>

using namespace radixon;

Q_DECLARE_METATYPE(radixon::HookMessage)

namespace {

struct Call {
    bool before;
    WindowId window;
    HookMessage message;
};

class RecordingClient : public HookClient {
public:
    std::vector<Call> calls;
    bool consume = false;
    std::function<void()> during;

    void OnHookedMessage(bool before, bool &handled, int &result, WindowId hWnd, HookMessage uMsg, int &,
                         Rect &) override
    {
        calls.push_back({before, hWnd, uMsg});
        if (before && consume) {
            handled = true;
            result = 7;
        }
        if (during)
            during();
    }
};

} // namespace

class TestHookTable : public QObject {
    Q_OBJECT

private slots:
    void relay_data()
    {
        QTest::addColumn<HookMessage>("message");
        QTest::addColumn<bool>("consume");
        QTest::addColumn<int>("expectedResult");
        QTest::addColumn<bool>("windowReached");
        QTest::addColumn<int>("callbacks");
        QTest::newRow("unregistered message passes with the window's result")
            << HookMessage::Command << false << 42 << true << 0;
        QTest::newRow("before message not consumed") << HookMessage::Moving << false << 42 << true << 1;
        QTest::newRow("consumed message never reaches the window")
            << HookMessage::Moving << true << 7 << false << 1;
        QTest::newRow("after message keeps the window's result")
            << HookMessage::ExitSizeMove << false << 42 << true << 1;
        QTest::newRow("both sides") << HookMessage::Sizing << false << 42 << true << 2;
    }
    void relay()
    {
        QFETCH(HookMessage, message);
        QFETCH(bool, consume);
        QFETCH(int, expectedResult);
        QFETCH(bool, windowReached);
        QFETCH(int, callbacks);
        HookTable table;
        table.Hook(5);
        table.AddMessage(5, HookMessage::Moving, HookSide::Before);
        table.AddMessage(5, HookMessage::ExitSizeMove, HookSide::After);
        table.AddMessage(5, HookMessage::Sizing, HookSide::Both);
        RecordingClient client;
        client.consume = consume;
        bool reached = false;
        int wParam = 0;
        Rect rect;
        const int result = table.relay(client, 5, message, wParam, rect, [&] {
            reached = true;
            return 42;
        });
        QCOMPARE(result, expectedResult);
        QCOMPARE(reached, windowReached);
        QCOMPARE(int(client.calls.size()), callbacks);
    }

    void addMessageKeepsNoDuplicates()
    {
        HookTable table;
        table.Hook(5);
        table.AddMessage(5, HookMessage::Moving, HookSide::Before);
        table.AddMessage(5, HookMessage::Moving, HookSide::Both);
        QCOMPARE(int(table.records()[0].before.size()), 1);
        QCOMPARE(int(table.records()[0].after.size()), 1);
        QVERIFY(!table.AddMessage(6, HookMessage::Moving, HookSide::Before));
    }

    void removedWindowIsNoLongerCalled()
    {
        FakeWindowSystem ws;
        ws.add(1, {0, 0, 100, 100});
        MagneticDock dock(ws);
        dock.AddWindow(1);
        dock.RemoveWindow(1);
        bool reached = false;
        int wParam = 0;
        Rect rect{5, 5, 50, 50};
        const int result = dock.Relay(1, HookMessage::Moving, wParam, rect, [&] {
            reached = true;
            return 3;
        });
        QVERIFY(reached);
        QCOMPARE(result, 3);
        QCOMPARE(rect, (Rect{5, 5, 50, 50}));
    }

    void freedRecordIsReused()
    {
        HookTable table;
        QCOMPARE(table.Hook(10), 0);
        QCOMPARE(table.Hook(11), 1);
        QCOMPARE(table.Hook(12), 2);
        table.Unhook(11);
        table.Unhook(10);
        // The highest-numbered free record goes first.
        QCOMPARE(table.Hook(11), 1);
        QVERIFY(table.records()[1].before.empty());
        QCOMPARE(table.Hook(13), 0);
        QCOMPARE(int(table.records().size()), 3);
        QCOMPARE(table.Hook(12), 2);
    }

    void windowRemovingItsOwnHookMidMessage_data()
    {
        QTest::addColumn<bool>("rehook");
        QTest::newRow("removed only") << false;
        QTest::newRow("removed and hooked again") << true;
    }
    void windowRemovingItsOwnHookMidMessage()
    {
        QFETCH(bool, rehook);
        HookTable table;
        table.Hook(5);
        table.AddMessage(5, HookMessage::Sizing, HookSide::Both);
        RecordingClient client;
        client.during = [&] {
            table.Unhook(5);
            if (rehook) {
                table.Hook(5);
                table.AddMessage(5, HookMessage::Sizing, HookSide::Both);
            }
            client.during = nullptr;
        };
        bool reached = false;
        int wParam = 0;
        Rect rect;
        table.relay(client, 5, HookMessage::Sizing, wParam, rect, [&] {
            reached = true;
            return 0;
        });
        QVERIFY(reached);
        QCOMPARE(int(client.calls.size()), 1);
        QCOMPARE(table.isHooked(5), rehook);
    }
};

QTEST_APPLESS_MAIN(TestHookTable)
#include "tst_hook_table.moc"
