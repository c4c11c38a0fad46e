// CZelkApp: the application object of the desktop program. It starts one session
// (settings, present moment, main window, database) and runs the event loop.
#pragma once

#include <QApplication>

#include <memory>

namespace zelk {

class AppSession;

class CZelkApp : public QApplication {
    Q_OBJECT
  public:
    CZelkApp(int& argc, char** argv);
    ~CZelkApp() override;

    // Start-up; false ends the program.
    bool InitInstance();
    // InitInstance, then the event loop; the exit status.
    int Run();

    AppSession* session() const { return session_.get(); }

  private:
    std::unique_ptr<AppSession> session_;
};

} // namespace zelk
