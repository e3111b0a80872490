#pragma once

#include <QObject>
#include <QString>

class QSoundEffect;

namespace zeto {

// Plays short wave files asynchronously; a new sound cuts off one still playing. Silent when
// the file is missing or there is no audio device.
class SoundPlayer : public QObject {
    Q_OBJECT
  public:
    explicit SoundPlayer(QObject* parent = nullptr);
    virtual void play(const QString& file);

  private:
    QSoundEffect* effect_ = nullptr;  // created on first use: audio start-up is slow
};

}  // namespace zeto
