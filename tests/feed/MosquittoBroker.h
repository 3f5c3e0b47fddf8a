#pragma once

#include <QProcess>
#include <QTemporaryDir>

// A real mosquitto on 127.0.0.1 for one test, with a persistence file so a
// restart keeps its sessions as a venue's broker does.
class TMosquittoBroker {
 public:
  TMosquittoBroker();
  ~TMosquittoBroker();
  // Starts it and waits until it accepts connections.
  bool Start();
  // SIGTERM, as a service manager stops it; it saves its sessions first.
  void Stop();
  // Deletes what a stopped broker saved, as a broker without persistence loses it.
  void ForgetSaved();
  int Port() const { return FPort; }

 private:
  QTemporaryDir FDir;
  QProcess FProcess;
  int FPort = 0;
};
