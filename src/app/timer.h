#pragma once
// Timer con la semantica classica: Interval 0 o Enabled falso = fermo;
// ogni nuovo Interval diverso da zero fa ripartire il conteggio.

#include <functional>
#include <memory>

class TimerPiattaforma;

class Timer {
public:
  explicit Timer(std::function<void()> gestore);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  int Interval() const { return mintIntervallo; }
  void setInterval(int ms);
  bool Enabled() const { return mblnAbilitato; }
  void setEnabled(bool abilitato);
  bool attivo() const { return mblnAbilitato && mintIntervallo > 0; }

private:
  void aggiorna();

  std::function<void()> mGestore;
  std::unique_ptr<TimerPiattaforma> mImpl;
  int mintIntervallo = 0;
  bool mblnAbilitato = true;
};
