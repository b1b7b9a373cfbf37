// The library against the simulator on loopback. Addresses 127.10.<n>.x.
#include <gtest/gtest.h>
#include <asio.hpp>

#include <algorithm>
#include <cctype>
#include <regex>
#include <set>

#include "sim_fixture.h"

namespace zavo::testing {
namespace {

std::string Field(int terminal, const char* field) {
  return "/z" + std::to_string(terminal) + field;
}

bool IsInteger(const std::string& s) {
  return std::regex_match(s, std::regex("-?[0-9]+"));
}

std::string Trim(std::string s) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  while (!s.empty() && blank(s.back())) s.pop_back();
  while (!s.empty() && blank(s.front())) s.erase(s.begin());
  return s;
}

std::string Upper(std::string s) {
  for (auto& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

class Library : public SimFixture {};

TEST_F(Library, ReadsEveryFieldOfEveryTerminal) {
  StartSim(10, 1);
  ASSERT_EQ(Register(), ZAV_OK);
  for (int t = 1; t <= 3; ++t) {
    SCOPED_TRACE("terminal " + std::to_string(t));
    const auto record = Read(Field(t, "/bd001"), 51);
    ASSERT_EQ(record.status, ZAV_OK);
    const std::string r = record.text();
    ASSERT_GE(r.size(), 47u);
    ASSERT_LT(r.size(), 51u);
    EXPECT_TRUE(IsInteger(Trim(r.substr(0, 8)))) << r;
    for (std::size_t pos = 24; pos < 47; ++pos) EXPECT_TRUE(r[pos] == '0' || r[pos] == '1') << r;
    EXPECT_NE(r[24], r[25]) << "exactly one of G and NET: " << r;
    EXPECT_EQ(r[38], '1') << "scale A: " << r;

    const auto unit = Read(Field(t, "/wt103"), 4);
    ASSERT_EQ(unit.status, ZAV_OK);
    EXPECT_EQ(unit.text(), t % 2 ? "lb" : "kg");
    EXPECT_EQ(r[27], unit.text() == "lb" ? '1' : '0') << r;
    EXPECT_EQ(r[28], unit.text() == "kg" ? '1' : '0') << r;

    for (const char* scale : {"/wt102", "/wt202", "/wt302", "/wt402"}) {
      const auto w = Read(Field(t, scale), 51);
      ASSERT_EQ(w.status, ZAV_OK) << scale;
      EXPECT_TRUE(IsInteger(w.text())) << scale << ": " << w.text();
    }
    for (const char* discrete : {"/bd030", "/bd031"}) {
      const auto d = Read(Field(t, discrete), 2);
      ASSERT_EQ(d.status, ZAV_OK) << discrete;
      EXPECT_EQ(static_cast<unsigned char>(d.bytes[0]) & 0xF0, 0) << discrete;
      EXPECT_EQ(d.bytes[1], 0) << discrete;
    }
    for (const char* identity : {"/cs118", "/cs130", "/zav11", "/bd005"}) {
      const auto id = Read(Field(t, identity), 16);
      ASSERT_EQ(id.status, ZAV_OK) << identity;
      EXPECT_FALSE(Trim(id.text()).empty()) << identity;
    }
    const bool other =
        Upper(Read(Field(t, "/zav11"), 16).text()).find("ZAVOR") != std::string::npos;
    EXPECT_EQ(other, t == 2) << "terminal 2 is of the other model";

    // Unknown fields answer, and keep answering, with their own code.
    EXPECT_EQ(Read(Field(t, "/zz999"), 16).status, ZAV_ERR_UNKNOWN_FIELD);
    EXPECT_EQ(Read(Field(t, "/zz999"), 16).status, ZAV_ERR_UNKNOWN_FIELD);
  }
  char buffer[51];
  EXPECT_EQ(ZavReadC("/z1/bd001", 51, buffer, nullptr), ZAV_OK);  // status word is optional
}

TEST_F(Library, ServedCopyFollowsTheLivingTerminal) {
  StartSim(10, 2, 2);
  ASSERT_EQ(Register(), ZAV_OK);
  // The weight, scale value and motion flag move, and every read is served
  // from the pushed copy at once.
  std::set<std::string> weights, scaleA;
  bool motion = false;
  Clock::duration slowest{};
  const auto start = Clock::now();
  // Any 3 s of the fill cycle hold at least 1.5 s of moving weight.
  while (Clock::now() - start < 3s && (weights.size() < 5 || scaleA.size() < 5 || !motion)) {
    const auto r = Read("/z2/bd001", 51);
    ASSERT_EQ(r.status, ZAV_OK);
    weights.insert(Trim(r.text().substr(0, 8)));
    motion = motion || r.text()[30] == '1';
    scaleA.insert(Read("/z2/wt102", 51).text());
    slowest = std::max(slowest, r.took);
    std::this_thread::sleep_for(20ms);
  }
  EXPECT_GE(weights.size(), 5u);
  EXPECT_GE(scaleA.size(), 5u);
  EXPECT_TRUE(motion);
  EXPECT_LT(slowest, 100ms);
}

TEST_F(Library, RejectsBadNamesTerminalsAndArguments) {
  StartSim(10, 3, 2);
  ASSERT_EQ(Register(), ZAV_OK);
  const struct {
    std::string name;
    std::int16_t status;
  } cases[] = {
      {"", ZAV_ERR_BAD_NAME},
      {"/z", ZAV_ERR_BAD_NAME},
      {"/z1", ZAV_ERR_BAD_NAME},
      {"/z1/", ZAV_ERR_BAD_NAME},
      {"z1/bd001", ZAV_ERR_BAD_NAME},
      {"/Z1/bd001", ZAV_ERR_BAD_NAME},
      {"/z1bd001", ZAV_ERR_BAD_NAME},
      {"/zx/bd001", ZAV_ERR_BAD_NAME},
      {"/z1/bd 01", ZAV_ERR_BAD_NAME},
      {"/z1/" + std::string(200, 'b'), ZAV_ERR_BAD_NAME},
      {"/z0/bd001", ZAV_ERR_BAD_TERMINAL},
      {"/z3/bd001", ZAV_ERR_BAD_TERMINAL},
      {"/z99999/bd001", ZAV_ERR_BAD_TERMINAL},
      {"/z1/nosuch", ZAV_ERR_UNKNOWN_FIELD},
      {"/z2/bd001", ZAV_OK},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(c.name, 51).status, c.status) << '"' << c.name << '"';

  char buffer[8];
  EXPECT_EQ(ZavReadC(nullptr, 8, buffer, nullptr), ZAV_ERR_BAD_ARGUMENT);
  EXPECT_EQ(ZavReadC("/z1/bd001", 8, nullptr, nullptr), ZAV_ERR_BAD_ARGUMENT);
  EXPECT_EQ(ZavReadC("/z1/bd001", 0, buffer, nullptr), ZAV_ERR_BAD_ARGUMENT);
  EXPECT_EQ(ZavReadC("/z1/bd001", -5, buffer, nullptr), ZAV_ERR_BAD_ARGUMENT);
  EXPECT_EQ(ZavSendKeystrokeC(0, 1, 7), ZAV_ERR_BAD_TERMINAL);
  EXPECT_EQ(ZavSendKeystrokeC(3, 1, 7), ZAV_ERR_BAD_TERMINAL);
}

TEST_F(Library, NeverWritesBeyondLength) {
  StartSim(10, 4, 1);
  ASSERT_EQ(Register(), ZAV_OK);
  // The guard check lives in Read(); here every field is read at every
  // length from 1 up to its own and beyond.
  const char* fields[] = {"/bd001", "/wt102", "/wt202", "/wt302", "/wt402", "/bd030",
                          "/bd031", "/cs118", "/cs130", "/zav11", "/bd005", "/wt103"};
  for (const char* field : fields) {
    const std::string name = Field(1, field);
    const bool raw = std::string(field) == "/bd030" || std::string(field) == "/bd031";
    const std::string full = Read(name, 106).text();
    for (std::int32_t length = 1; length <= 60; ++length) {
      const auto r = Read(name, length);
      ASSERT_EQ(r.status, ZAV_OK) << name;
      if (raw) continue;
      const std::string text = r.text();
      ASSERT_LT(text.size(), static_cast<std::size_t>(length)) << name << " not terminated";
      if (std::string(field).rfind("/cs", 0) == 0 || std::string(field) == "/zav11") {
        EXPECT_EQ(text, full.substr(0, text.size())) << name;  // a cut, not a change
        EXPECT_EQ(text.size(), std::min(full.size(), static_cast<std::size_t>(length - 1)));
      }
    }
  }
}

TEST_F(Library, KeystrokesArriveInOrder) {
  StartSim(10, 5);
  ASSERT_EQ(Register(), ZAV_OK);
  std::vector<std::string> expected;
  const int keys[][3] = {{1, 1, 55},  {3, 2, 49}, {1, 2, -56}, {1, 1, 1},  {3, 1, 2},
                         {1, 2, 127}, {1, 2, 5},  {3, 1, 32},  {1, 1, 46}, {1, 2, 2},
                         {3, 2, 50},  {1, 1, 3},  {1, 1, 5},   {3, 2, 27}, {1, 2, 65}};
  for (int round = 0; round < 4; ++round) {
    for (const auto& k : keys) {
      ASSERT_EQ(ZavSendKeystrokeC(k[0], k[1], k[2]), ZAV_OK);
      expected.push_back(std::to_string(k[0]) + " " + std::to_string(k[1]) + " " +
                         std::to_string(k[2]));
    }
  }
  EXPECT_TRUE(Eventually([&] { return KeyLogLines().size() >= expected.size(); }, 2s));
  // Each terminal's keystrokes keep their order; the two terminals' streams
  // interleave as their connections run.
  auto of = [](const std::vector<std::string>& lines, char terminal) {
    std::vector<std::string> mine;
    for (const auto& l : lines) {
      if (l[0] == terminal) mine.push_back(l);
    }
    return mine;
  };
  const auto logged = KeyLogLines();
  EXPECT_EQ(logged.size(), expected.size());
  EXPECT_EQ(of(logged, '1'), of(expected, '1'));
  EXPECT_EQ(of(logged, '3'), of(expected, '3'));
}

// Polls the panel record of terminal t until `check` holds on it.
bool PanelShows(int t, const std::function<bool(const std::string&)>& check,
                Clock::duration timeout = 1500ms) {
  return Eventually(
      [&] {
        const auto r = Read(Field(t, "/bd001"), 51);
        return r.status == ZAV_OK && r.text().size() >= 47 && check(r.text());
      },
      timeout, nullptr, 5ms);
}

TEST_F(Library, KeysActLikeOnTheTerminal) {
  StartSim(10, 6, 1);
  ASSERT_EQ(Register(), ZAV_OK);
  auto flag = [](const std::string& r, int position) { return r[position - 1] == '1'; };

  ZavSendKeystrokeC(1, 1, 4);  // tare
  EXPECT_TRUE(PanelShows(1, [&](auto& r) { return flag(r, 26) && !flag(r, 25) && !flag(r, 27); }));
  ZavSendKeystrokeC(1, 1, 6);  // clear
  EXPECT_TRUE(PanelShows(1, [&](auto& r) { return flag(r, 25) && !flag(r, 26); }));

  ZavSendKeystrokeC(1, 2, '1');  // typed digits echo on the lower line
  ZavSendKeystrokeC(1, 1, '2');
  EXPECT_TRUE(
      PanelShows(1, [](auto& r) { return r.substr(8, 16).find("12") != std::string::npos; }));
  ZavSendKeystrokeC(1, 2, 13);  // enter takes them as preset tare
  EXPECT_TRUE(PanelShows(1, [&](auto& r) {
    return flag(r, 26) && flag(r, 27) && r.substr(8, 16).find("12") == std::string::npos;
  }));
  ZavSendKeystrokeC(1, 1, '7');
  ZavSendKeystrokeC(1, 1, 8);  // replica enter works the same
  EXPECT_TRUE(PanelShows(1, [&](auto& r) { return flag(r, 27); }));
  ZavSendKeystrokeC(1, 1, 6);
  EXPECT_TRUE(PanelShows(1, [&](auto& r) { return !flag(r, 27) && flag(r, 25); }));

  ZavSendKeystrokeC(1, 1, 7);  // zero: the gross weight is 0 and centre of zero shows
  EXPECT_TRUE(Eventually(
      [] {
        const auto r = Read("/z1/bd001", 51).text();
        return r.size() >= 47 && r[29] == '1' && Read("/z1/wt102", 51).text() == "0" &&
               r.find("Zeroed") != std::string::npos;
      },
      1500ms, nullptr, 2ms));
}

// A receive-only client, as the virtual printer is.
class PrintClient {
 public:
  PrintClient(const std::string& address, unsigned short port) : socket_(io_) {
    socket_.connect({asio::ip::make_address_v4(address), port});
    socket_.non_blocking(true);
  }
  // Collects what arrives until `needle` shows or the timeout passes.
  bool WaitFor(const std::string& needle, Clock::duration timeout) {
    return Eventually(
        [&] {
          char chunk[512];
          asio::error_code ec;
          const std::size_t n = socket_.read_some(asio::buffer(chunk), ec);
          if (!ec) text_.append(chunk, n);
          return text_.find(needle) != std::string::npos;
        },
        timeout);
  }
  const std::string& text() const { return text_; }

 private:
  asio::io_context io_;
  asio::ip::tcp::socket socket_;
  std::string text_;
};

TEST_F(Library, PrintClientsGetTicketsAndHeartbeat) {
  StartSim(10, 7, 2,
           {"--heartbeat", "STILL HERE", "--heartbeat-every", "300", "--print-port", "1750"});
  ASSERT_EQ(Register(), ZAV_OK);
  PrintClient shared(Address(1), 1749), separate(Address(1), 1750), other(Address(2), 1749);
  EXPECT_TRUE(shared.WaitFor("STILL HERE", 2s)) << shared.text();
  EXPECT_TRUE(separate.WaitFor("STILL HERE", 2s)) << separate.text();

  ZavSendKeystrokeC(1, 1, 8);  // enter with no digits prints a ticket
  for (PrintClient* client : {&shared, &separate}) {
    EXPECT_TRUE(client->WaitFor("NET", 2s)) << client->text();
    for (const char* part : {"GROSS", "TARE", "DATE", "TIME"}) {
      EXPECT_NE(client->text().find(part), std::string::npos) << part << " in " << client->text();
    }
  }
  other.WaitFor("STILL HERE", 1s);
  EXPECT_EQ(other.text().find("GROSS"), std::string::npos) << "ticket went to the wrong terminal";
  // The data client on the same port was never taken for a print client.
  EXPECT_EQ(Read("/z1/bd001", 51).status, ZAV_OK);
}

TEST_F(Library, TerminalsThatAreDownAnswerAtOnce) {
  StartSim(10, 8, 2);
  // Four configured, two running: the link still opens.
  ASSERT_EQ(Register(4), ZAV_OK);
  EXPECT_EQ(Read("/z2/bd001", 51).status, ZAV_OK);
  const auto down = Read("/z4/bd001", 51);
  EXPECT_EQ(down.status, ZAV_ERR_NOT_CONNECTED);
  EXPECT_LT(down.took, 20ms);
  EXPECT_EQ(ZavSendKeystrokeC(4, 1, 7), ZAV_ERR_NOT_CONNECTED);  // dropped
  EXPECT_EQ(Read("/z5/bd001", 51).status, ZAV_ERR_BAD_TERMINAL);
}

TEST_F(Library, CloseEndsTheLinkAndRegisterReplacesIt) {
  StartSim(10, 9, 2);
  ASSERT_EQ(Register(1), ZAV_OK);
  EXPECT_EQ(Read("/z2/bd001", 51).status, ZAV_ERR_BAD_TERMINAL);
  ASSERT_EQ(Register(2), ZAV_OK);  // a new register replaces the old link
  EXPECT_EQ(Read("/z2/bd001", 51).status, ZAV_OK);
  EXPECT_EQ(ZavCloseProcessC(), ZAV_OK);
  EXPECT_EQ(Read("/z1/bd001", 51).status, ZAV_ERR_NOT_LINKED);
  EXPECT_EQ(ZavSendKeystrokeC(1, 1, 7), ZAV_ERR_NOT_LINKED);
  EXPECT_EQ(ZavCloseProcessC(), ZAV_OK);
  ASSERT_EQ(Register(2), ZAV_OK);  // and the library opens again after close
  EXPECT_EQ(Read("/z1/wt103", 4).text(), "lb");
}

}  // namespace
}  // namespace zavo::testing
