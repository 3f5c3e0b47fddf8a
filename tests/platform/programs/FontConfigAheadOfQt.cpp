// A program that reads the font configuration ahead, as the board does, on a
// thread started before its application object: Qt must still take the
// thread that makes the application for the main one. Qt takes the first
// thread that uses it; a wrong one cost the board key presses. The
// configuration file is a pipe, which holds the read (and the thread) until
// the application stands. Exits 1 when Qt says the application was made on
// another thread than its main one.

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QString>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/FontConfigWarmUp.h"

namespace {

bool GOtherMainThread = false;

void WatchMessages(QtMsgType, const QMessageLogContext&, const QString& Message) {
  std::fprintf(stderr, "%s\n", qPrintable(Message));
  if (Message.contains(QStringLiteral("not created in the main() thread"))) GOtherMainThread = true;
}

// Opens the pipe for writing once fontconfig has it open for reading.
int OpenOnceRead(const std::string& Pipe) {
  for (int Try = 0; Try < 10000; ++Try) {
    const int Fd = open(Pipe.c_str(), O_WRONLY | O_NONBLOCK);
    if (Fd >= 0 || errno != ENXIO) return Fd;
    usleep(1000);
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  char Folder[] = "/tmp/font-config-ahead-XXXXXX";
  if (!mkdtemp(Folder)) return 2;
  const std::string Pipe = std::string(Folder) + "/fonts.conf";
  if (mkfifo(Pipe.c_str(), 0600) != 0) return 2;
  setenv("FONTCONFIG_FILE", Pipe.c_str(), 1);
  // Loaded as Qt's GUI library would have it.
  if (!dlopen("libfontconfig.so.1", RTLD_NOW)) return 2;
  int Result = 2;
  {
    TFontConfigWarmUp FontConfig;
    const int Writer = OpenOnceRead(Pipe);
    if (Writer >= 0) {
      qInstallMessageHandler(WatchMessages);
      {
        QCoreApplication App(argc, argv);
        Result = GOtherMainThread ? 1 : 0;
      }
      const char Empty[] = "<fontconfig/>";
      if (write(Writer, Empty, sizeof Empty - 1) < 0) Result = 2;
      close(Writer);
    }
  }
  unlink(Pipe.c_str());
  rmdir(Folder);
  return Result;
}
