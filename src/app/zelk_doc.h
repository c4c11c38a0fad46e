// CZelkDoc: the document of one chart window. It owns the chart record, which
// carries a copy of its client's record and that record's position in the client
// list (clientIndex, -1 when the chart has no stored client).
#pragma once

#include "chart/chart_engine.h"
#include "chart/chart_record.h"
#include "clients/client_record.h"

#include <QObject>
#include <QString>

namespace zelk {

class CZelkDoc : public QObject {
    Q_OBJECT
  public:
    explicit CZelkDoc(const CurrentTime& now, QObject* parent = nullptr);

    ChartRecord& record() { return record_; }
    const ChartRecord& record() const { return record_; }
    int clientIndex() const { return record_.clientIndex; }
    int shownLevel() const { return record_.shownLevel; }
    bool hasChart() const { return record_.shownLevel >= 0; }
    // The client's record as the chart holds it.
    tagUserInfo client() const;
    int32_t clientId() const { return client().id; }

    // A stored client and its position: the chart is computed from it.
    ChartResult loadStoredClient(const tagUserInfo& client, int index, ChartEnv env);
    // Birth data from the input dialog. On success `client` holds what the chart
    // adjusted (the lunar date moved for the late 子 hour), ready to be stored.
    ChartResult loadInput(tagUserInfo& client, InputCommand command, ChartEnv env);

    void setClientIndex(int index);
    // The chart whose record is gone: it stays on screen but is no longer stored.
    void detachFromClient() { setClientIndex(-1); }
    // Back to an empty chart (nothing shown, no client).
    void clearChart();

    // The title: the caption of the level on display, then `text`.
    void setTitleText(const QString& text);
    void setTitleFromName();
    // The client's name as the chart holds it.
    QString clientName() const;
    // The caption of the level on display, then the client's name.
    QString titleFromName() const;
    // A file name for the chart's picture: name and level, "王小明_本命盤.png";
    // characters no file system takes become "_".
    QString imageFileName() const;
    const QString& title() const { return title_; }

  signals:
    void titleChanged(const QString& title);
    void chartChanged();

  private:
    ChartRecord record_;
    QString title_;
};

// The birth input of a client record, and the record back from the chart's copy.
BirthInput BirthInputOf(const tagUserInfo& client);
tagUserInfo ClientOfBytes(const std::array<uint8_t, kClientRecordSize>& bytes);

} // namespace zelk
