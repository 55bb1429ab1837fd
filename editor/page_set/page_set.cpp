#include "editor/page_set/page_set.h"

Page_Set::Page_Set()
    : general_(std::make_unique<Page_General>()),
      cabin_(std::make_unique<Page_Cabin>()),
      dual_(std::make_unique<Page_Dual>()),
      hsd_cnfg_(std::make_unique<Page_HSD_Cnfg>()),
      hsd_s64_(std::make_unique<Page_HSD_S64>()),
      hsd_sbb_(std::make_unique<Page_HSD_SBB>()),
      power_(std::make_unique<Page_Power>()),
      cockpit_voice_(std::make_unique<Page_Cockpit_Voice>()),
      cabin_numbers_(std::make_unique<Page_Cabin_Numbers>()),
      cockpit_numbers_(std::make_unique<Page_Cockpit_Numbers>()),
      sat_ges_(std::make_unique<Page_Sat_GES>()),
      transit_ges_(std::make_unique<Page_Transit_GES>()),
      failure_masks_(std::make_unique<Page_Failure_Masks>()),
      pimbit_(std::make_unique<Page_PIMBIT>())
{
    all_ = {general_.get(),       cabin_.get(),           dual_.get(),
            hsd_cnfg_.get(),      hsd_s64_.get(),         hsd_sbb_.get(),
            power_.get(),         cockpit_voice_.get(),   cabin_numbers_.get(),
            cockpit_numbers_.get(), sat_ges_.get(),       transit_ges_.get(),
            failure_masks_.get(), pimbit_.get()};
}

Page_Set::~Page_Set() = default;
