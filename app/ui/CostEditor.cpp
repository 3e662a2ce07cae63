#include "app/ui/CostEditor.h"

#include <QCoreApplication>
#include <QPointer>
#include <QPushButton>
#include <QUrl>

#include <memory>

#include "costs/ui/PricesDlg.h"
#include "costs/ui/ScrivelForm.h"
#include "desktop/ContactDetails.h"
#include "desktop/KorvaneSettings.h"

namespace korvane {

namespace {

struct TEditors {
  QPointer<TPricesDlg> prices;
  QPointer<TScrivelForm> iniEditor;
};

} // namespace

TCostFileEditor MakeCostEditor(QString programDir, QString sharedDataDir, QString settingsFile) {
  auto editors = std::make_shared<TEditors>();
  return [=](TFormKorvane &form, Variant &) {
    TKorvaneWorld &world = form.World();
    if (!editors->prices) {
      const QString settings = settingsFile.isEmpty() ? KorvaneSettingsFile() : settingsFile;
      editors->iniEditor = new TScrivelForm({}, settings, &form);
      editors->iniEditor->SetWebSite(QUrl(WebAddressUrl(form.Contact().web)));
      TPricesWorld pricesWorld{
          world.CurrentCosts, world.CostFileName, world.SpiralPriceTable, form.Messages(),
          // A price file that fails is fatal: told, then the end.
          [] { QCoreApplication::exit(1); }, programDir.toStdString(), sharedDataDir.toStdString()};
      editors->prices = new TPricesDlg(std::move(pricesWorld), TPricesServices::Desktop(), &form);
      editors->prices->SetIniEditor(editors->iniEditor);
    }
    TPricesDlg &dialog = *editors->prices;
    // Insert puts a cost file into a bill; this window has no bill.
    dialog.InsertBtn()->setEnabled(false);
    dialog.CentreOnScreen();
    const int result = dialog.exec();
    dialog.InsertBtn()->setEnabled(true);
    return result;
  };
}

} // namespace korvane
