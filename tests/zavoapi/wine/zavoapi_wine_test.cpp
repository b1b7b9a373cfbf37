// Windows test program: loads ZAVOAPI.DLL by name, as the panel does, and
// runs the main cases against simulated terminals at 127.40.0.1-3 (started
// by run_wine_test.sh). Argument: the simulator's key log, as a Windows path.
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "zavoapi.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

using RegisterFn = int16_t(__cdecl*)(int32_t, const char*, int32_t);
using ReadFn = int16_t(__cdecl*)(const char*, int32_t, char*, int16_t*);
using KeyFn = int32_t(__cdecl*)(int32_t, int32_t, int32_t);
using CloseFn = int32_t(__cdecl*)(void);

RegisterFn zavRegister;
ReadFn zavRead;
KeyFn zavKey;
CloseFn zavClose;

int failures = 0;
int checks = 0;

#define CHECK(cond, ...)                                          \
  do {                                                            \
    ++checks;                                                     \
    if (!(cond)) {                                                \
      ++failures;                                                 \
      std::printf("FAIL %s:%d: %s: ", __FILE__, __LINE__, #cond); \
      std::printf(__VA_ARGS__);                                   \
      std::printf("\n");                                          \
    }                                                             \
  } while (0)

struct Result {
  int16_t status;
  std::string text;
  std::vector<unsigned char> bytes;
  Clock::duration took;
};

Result Read(const std::string& name, int32_t length) {
  std::vector<unsigned char> buffer(static_cast<size_t>(length) + 64, 0xA5);
  int16_t status = 12345;
  const auto start = Clock::now();
  Result r;
  r.status = zavRead(name.c_str(), length, reinterpret_cast<char*>(buffer.data()), &status);
  r.took = Clock::now() - start;
  CHECK(status == r.status, "%s: status word %d, result %d", name.c_str(), status, r.status);
  CHECK(r.took <= 250ms, "%s took too long", name.c_str());
  for (size_t i = static_cast<size_t>(length); i < buffer.size(); ++i) {
    if (buffer[i] != 0xA5) {
      CHECK(false, "%s length %d: wrote byte %zu", name.c_str(), length, i);
      break;
    }
  }
  r.bytes.assign(buffer.begin(), buffer.begin() + length);
  size_t n = 0;
  while (n < r.bytes.size() && r.bytes[n] != 0) ++n;
  r.text.assign(reinterpret_cast<const char*>(r.bytes.data()), n);
  return r;
}

bool Eventually(bool (*check)(), Clock::duration timeout) {
  const auto end = Clock::now() + timeout;
  while (Clock::now() < end) {
    if (check()) return true;
    std::this_thread::sleep_for(10ms);
  }
  return check();
}

std::string Name(int t, const char* field) {
  return "/z" + std::to_string(t) + field;
}

bool IsInteger(const std::string& s) {
  size_t i = (!s.empty() && s[0] == '-') ? 1 : 0;
  if (i == s.size()) return false;
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
  }
  return true;
}

std::string Trim(std::string s) {
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32) s.pop_back();
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32) s.erase(s.begin());
  return s;
}

void Fields() {
  for (int t = 1; t <= 3; ++t) {
    const Result record = Read(Name(t, "/bd001"), 51);
    CHECK(record.status == ZAV_OK, "terminal %d record: %d", t, record.status);
    const std::string& r = record.text;
    CHECK(r.size() >= 47 && r.size() < 51, "record size %zu", r.size());
    if (r.size() < 47) continue;
    CHECK(IsInteger(Trim(r.substr(0, 8))), "weight '%s'", r.substr(0, 8).c_str());
    for (size_t pos = 24; pos < 47; ++pos) CHECK(r[pos] == '0' || r[pos] == '1', "flag %zu", pos);
    const Result unit = Read(Name(t, "/wt103"), 4);
    CHECK(unit.text == (t % 2 ? "lb" : "kg"), "unit '%s'", unit.text.c_str());
    CHECK(r[27] == (unit.text == "lb" ? '1' : '0'), "lb flag");
    for (const char* scale : {"/wt102", "/wt202", "/wt302", "/wt402"}) {
      const Result w = Read(Name(t, scale), 51);
      CHECK(w.status == ZAV_OK && IsInteger(w.text), "%s '%s'", scale, w.text.c_str());
    }
    for (const char* discrete : {"/bd030", "/bd031"}) {
      const Result d = Read(Name(t, discrete), 2);
      CHECK(d.status == ZAV_OK && (d.bytes[0] & 0xF0) == 0 && d.bytes[1] == 0, "%s", discrete);
    }
    for (const char* identity : {"/cs118", "/cs130", "/zav11", "/bd005"}) {
      const Result id = Read(Name(t, identity), 16);
      CHECK(id.status == ZAV_OK && !Trim(id.text).empty(), "%s", identity);
    }
    std::string swid = Read(Name(t, "/zav11"), 16).text;
    for (auto& c : swid) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    CHECK((swid.find("ZAVOR") != std::string::npos) == (t == 2), "software ID '%s'", swid.c_str());
  }
  for (int32_t length = 1; length <= 60; ++length) {
    for (const char* field : {"/bd001", "/cs118", "/bd030"}) {
      const Result r = Read(Name(1, field), length);
      CHECK(r.status == ZAV_OK, "%s length %d", field, length);
      if (std::string(field) != "/bd030") {
        CHECK(r.text.size() < static_cast<size_t>(length), "%s not terminated", field);
      }
    }
  }
}

void Errors() {
  const struct {
    const char* name;
    int16_t status;
  } cases[] = {{"/z1", ZAV_ERR_BAD_NAME},           {"/z1bd001", ZAV_ERR_BAD_NAME},
               {"/Z1/bd001", ZAV_ERR_BAD_NAME},     {"/z0/bd001", ZAV_ERR_BAD_TERMINAL},
               {"/z5/bd001", ZAV_ERR_BAD_TERMINAL}, {"/z1/nosuch", ZAV_ERR_UNKNOWN_FIELD},
               {"/z4/bd001", ZAV_ERR_NOT_CONNECTED}};
  for (const auto& c : cases) {
    const Result r = Read(c.name, 51);
    CHECK(r.status == c.status, "%s gave %d, expected %d", c.name, r.status, c.status);
  }
  CHECK(Read("/z4/bd001", 51).took < 50ms, "a terminal that is down answers at once");
  CHECK(zavKey(4, 1, 7) == ZAV_ERR_NOT_CONNECTED, "keystroke to a down terminal");
  CHECK(zavKey(5, 1, 7) == ZAV_ERR_BAD_TERMINAL, "keystroke out of range");
}

std::string keylogPath;

std::vector<std::string> KeyLog() {
  std::ifstream in(keylogPath);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

void Keys() {
  const int keys[][2] = {{1, 55}, {2, 49}, {2, -56}, {1, 1}, {2, 127}, {2, 5},
                         {1, 46}, {2, 2},  {1, 3},   {1, 5}, {2, 65},  {1, 32}};
  std::vector<std::string> expected;
  for (int round = 0; round < 3; ++round) {
    for (const auto& k : keys) {
      CHECK(zavKey(3, k[0], k[1]) == ZAV_OK, "keystroke");
      expected.push_back("3 " + std::to_string(k[0]) + " " + std::to_string(k[1]));
    }
  }
  static size_t want;
  want = expected.size();
  CHECK(Eventually([] { return KeyLog().size() >= want; }, 3s), "keystrokes logged");
  CHECK(KeyLog() == expected, "keystrokes in order (%zu logged)", KeyLog().size());

  zavKey(1, 1, 4);  // tare shows NET
  CHECK(Eventually([] { return Read("/z1/bd001", 51).text.substr(24, 2) == "01"; }, 2s), "tare");
  zavKey(1, 1, 6);  // clear shows G again
  CHECK(Eventually([] { return Read("/z1/bd001", 51).text.substr(24, 2) == "10"; }, 2s), "clear");
}

void Living() {
  std::set<std::string> weights;
  Clock::duration slowest{};
  // Any 3 s of the fill cycle hold at least 1.5 s of moving weight.
  const auto end = Clock::now() + 3s;
  while (Clock::now() < end && weights.size() < 5) {
    const Result r = Read("/z2/bd001", 51);
    weights.insert(r.text.substr(0, 8));
    if (r.took > slowest) slowest = r.took;
    std::this_thread::sleep_for(20ms);
  }
  CHECK(weights.size() >= 5, "weight moves (%zu values)", weights.size());
  CHECK(slowest < 100ms, "reads served from the copy");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::printf("usage: zavoapi_wine_test KEYLOG\n");
    return 2;
  }
  keylogPath = argv[1];
  HMODULE lib = LoadLibraryA("ZAVOAPI.DLL");
  if (!lib) {
    std::printf("FAIL: cannot load ZAVOAPI.DLL (%lu)\n", GetLastError());
    return 1;
  }
  zavRegister = reinterpret_cast<RegisterFn>(GetProcAddress(lib, "ZavRegisterProcessC"));
  zavRead = reinterpret_cast<ReadFn>(GetProcAddress(lib, "ZavReadC"));
  zavKey = reinterpret_cast<KeyFn>(GetProcAddress(lib, "ZavSendKeystrokeC"));
  zavClose = reinterpret_cast<CloseFn>(GetProcAddress(lib, "ZavCloseProcessC"));
  if (!zavRegister || !zavRead || !zavKey || !zavClose) {
    std::printf("FAIL: ZAVOAPI.DLL lacks an undecorated entry point\n");
    return 1;
  }

  CHECK(Read("/z1/bd001", 51).status == ZAV_ERR_NOT_LINKED, "read before register");
  CHECK(zavRegister(1, "127.040.000.001,127.040.000.002", 3) == ZAV_ERR_BAD_ADDRESS_LIST,
        "count mismatch");
  CHECK(zavRegister(1, "127.040.000.001;127.040.000.002", 2) == ZAV_ERR_BAD_ADDRESS_LIST,
        "malformed list");
  CHECK(zavRegister(1, "127.040.000.009", 1) == ZAV_ERR_NO_TERMINAL, "nothing listening");
  const auto start = Clock::now();
  const int16_t linked =
      zavRegister(1, "127.040.000.001,127.040.000.002,127.040.000.003,127.040.000.009", 4);
  CHECK(linked == ZAV_OK, "register gave %d", linked);
  CHECK(Clock::now() - start <= 1500ms, "register within 1.5 s");
  if (linked == ZAV_OK) {
    Fields();
    Errors();
    Keys();
    Living();
  }
  CHECK(zavClose() == ZAV_OK, "close");
  CHECK(Read("/z1/bd001", 51).status == ZAV_ERR_NOT_LINKED, "read after close");
  CHECK(zavKey(1, 1, 7) == ZAV_ERR_NOT_LINKED, "keystroke after close");
  CHECK(zavClose() == ZAV_OK, "second close");
  FreeLibrary(lib);

  std::printf("%s: %d checks, %d failed\n", failures ? "FAILED" : "PASSED", checks, failures);
  return failures ? 1 : 0;
}
