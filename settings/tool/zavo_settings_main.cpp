// zavo-settings: imports .reg files into the settings backend and exports
// it as .reg text.
//
//   zavo-settings import [--replace] FILE.reg
//   zavo-settings export [KEY]
//   zavo-settings export --windows FILE [KEY]
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "settings/default_store.h"
#include "settings/reg_parser.h"
#include "settings/reg_transfer.h"
#include "settings/reg_writer.h"

namespace {

constexpr const char* kUsage =
    "usage: zavo-settings import [--replace] FILE.reg\n"
    "       zavo-settings export [KEY]\n"
    "       zavo-settings export --windows FILE [KEY]\n"
    "\n"
    "import  merges FILE.reg (version 5 or REGEDIT4, UTF-16 or 8-bit) into the\n"
    "        settings; values already stored are kept unless --replace is given.\n"
    "        Deletions in the file ([-key], \"name\"=-) are carried out.\n"
    "export  prints the settings, or the subtree of KEY (below\n"
    "        HKEY_LOCAL_MACHINE), as .reg text in UTF-8; with --windows writes\n"
    "        FILE in the UTF-16 form a Windows registry editor imports.\n";

struct UsageError {
  std::string message;
};

// KEY may be given with or without its HKEY_LOCAL_MACHINE prefix.
std::string KeyArgument(std::string key) {
  for (const std::string root : {"HKEY_LOCAL_MACHINE", "HKLM"}) {
    if (key.size() >= root.size() && zavo::SameRegName(key.substr(0, root.size()), root) &&
        (key.size() == root.size() || key[root.size()] == '\\'))
      key.erase(0, std::min(key.size(), root.size() + 1));
  }
  while (!key.empty() && key.back() == '\\') key.pop_back();
  while (!key.empty() && key.front() == '\\') key.erase(0, 1);
  return key;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) throw std::runtime_error("cannot read " + path);
  return text.str();
}

int Import(const std::vector<std::string>& args) {
  zavo::ImportMode mode = zavo::ImportMode::KeepExisting;
  std::vector<std::string> files;
  for (const std::string& a : args) {
    if (a == "--replace") {
      mode = zavo::ImportMode::Replace;
    } else if (a.starts_with("--")) {
      throw UsageError{"unknown option " + a};
    } else {
      files.push_back(a);
    }
  }
  if (files.size() != 1) throw UsageError{"import needs exactly one FILE.reg"};
  zavo::RegPatch patch;
  try {
    patch = zavo::ParseRegFile(ReadFile(files[0]));
  } catch (const zavo::RegParseError& e) {
    throw std::runtime_error(files[0] + ": " + e.what());
  }
  auto store = zavo::OpenDefaultStore();
  zavo::ImportSummary s;
  try {
    s = zavo::ImportPatch(*store, patch, mode);
  } catch (const zavo::ImportError& e) {
    throw std::runtime_error(files[0] + ": " + e.what());
  }
  std::fprintf(stderr,
               "zavo-settings: %s: %d keys created, %d values added, %d replaced, %d kept, "
               "%d keys and %d values deleted\n",
               files[0].c_str(), s.keysCreated, s.valuesAdded, s.valuesReplaced, s.valuesKept,
               s.keysDeleted, s.valuesDeleted);
  return 0;
}

int Export(const std::vector<std::string>& args) {
  std::string windowsFile;
  std::vector<std::string> rest;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--windows") {
      if (i + 1 == args.size()) throw UsageError{"--windows needs a FILE"};
      windowsFile = args[++i];
    } else if (args[i].starts_with("--")) {
      throw UsageError{"unknown option " + args[i]};
    } else {
      rest.push_back(args[i]);
    }
  }
  if (rest.size() > 1) throw UsageError{"export takes at most one KEY"};
#ifdef _WIN32
  // All of HKEY_LOCAL_MACHINE is not ours to print.
  std::string key = rest.empty() ? "SOFTWARE\\Zavo" : KeyArgument(rest[0]);
#else
  std::string key = rest.empty() ? "" : KeyArgument(rest[0]);
#endif
  auto store = zavo::OpenDefaultStore();
  std::optional<zavo::RegKey> tree = zavo::ExportKey(*store, key);
  if (!tree && !(rest.empty() && key.empty()))
    throw std::runtime_error("no key " + zavo::LocalMachinePath(key));

  zavo::RegWriter writer(windowsFile.empty() ? "\n" : "\r\n");
  if (tree) writer.AddKey(zavo::LocalMachinePath(key), *tree);
  if (windowsFile.empty()) {
    std::fwrite(writer.text().data(), 1, writer.text().size(), stdout);
    if (std::fflush(stdout) != 0) throw std::runtime_error("cannot write the standard output");
    return 0;
  }
  std::vector<uint8_t> bytes = zavo::RegWriter::EncodeWindowsFile(writer.text());
  std::ofstream out(windowsFile, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + windowsFile);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (args.empty()) throw UsageError{"no command given"};
    std::string command = args.front();
    args.erase(args.begin());
    if (command == "-h" || command == "--help" || command == "help") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (command == "import") return Import(args);
    if (command == "export") return Export(args);
    throw UsageError{"unknown command '" + command + "'"};
  } catch (const UsageError& e) {
    std::fprintf(stderr, "zavo-settings: %s\n%s", e.message.c_str(), kUsage);
    return 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zavo-settings: %s\n", e.what());
    return 1;
  }
}
