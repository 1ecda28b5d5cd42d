# firmware: a controller of the model with the known firmware defect, still
# running the firmware that needs the upgrade.
controller slot2 model=KESTREL_2200 slot=2 pcibus=7 pcidevice=0 pcifunction=0 firmware=2.04 serial=KST2200077 cache=128 batteries=1
drive 1I:1:1 interface=sas size=72GB model="ORVX DH0072FA" serial=3KR0A00701 firmware=VD02 rpm=15000
drive 1I:1:2 interface=sas size=72GB model="ORVX DH0072FA" serial=3KR0A00702 firmware=VD02 rpm=15000
drive 1I:1:3 interface=sas size=72GB model="ORVX DH0072FA" serial=3KR0A00703 firmware=VD02 rpm=15000
drive 1I:1:4 interface=sas size=72GB model="ORVX DH0072FA" serial=3KR0A00704 firmware=VD02 rpm=15000
logicaldrive 0 drives=1I:1:1,1I:1:2,1I:1:3 spares=1I:1:4 raid=5 size=max label=data access=/dev/sda
