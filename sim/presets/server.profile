# server: the default. An embedded controller with a mirrored boot array, and
# a controller in slot 3 with two arrays, four logical drives, a spare,
# unassigned SAS and SATA drives and a tape drive.
controller embedded model=VARNEL_V22I slot=0 pcibus=3 pcidevice=0 pcifunction=0 firmware=5.12 serial=PVNLE0000101 cache=256 batteries=1
drive 1I:1:1 interface=sas size=72GB model="ORVX DH0072FA" serial=3KR0A00011 firmware=VD02 rpm=15000
drive 1I:1:2 interface=sas size=72GB model="ORVX DH0072FA" serial=3KR0A00012 firmware=VD02 rpm=15000
logicaldrive 0 drives=1I:1:1,1I:1:2 raid=1 size=max label=boot access=/dev/sda inuse=yes

controller slot3 model=VARNEL_V30 slot=3 pcibus=11 pcidevice=0 pcifunction=0 firmware=2.74 serial=PVNL30002231 cache=512 batteries=2 rebuildpriority=medium expandpriority=low
drive 1E:1:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LM2C00201 firmware=VD07 rpm=10000
drive 1E:1:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LM2C00202 firmware=VD07 rpm=10000
drive 1E:1:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LM2C00203 firmware=VD07 rpm=10000
drive 1E:1:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LM2C00204 firmware=VD07 rpm=10000
drive 2E:1:1 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1A00211 firmware=VD04 rpm=15000
drive 2E:1:2 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1A00212 firmware=VD04 rpm=15000
drive 2E:1:3 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1A00213 firmware=VD04 rpm=15000
drive 2E:1:4 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1A00214 firmware=VD04 rpm=15000
drive 2E:1:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LM2C00215 firmware=VD07 rpm=10000
drive 2E:1:6 interface=sata size=500GB model="ORVX DS0500BA" serial=5QG0D00216 firmware=SA11 rpm=7200
drive 2E:1:7 interface=sata size=500GB model="ORVX DS0500BA" serial=5QG0D00217 firmware=SA11 rpm=7200
# drive index 11, so SCSI bus 0, id 11: the tool shows it as tapedrive 1:11
tape 2E:1:8 interface=sas model="ORVX TAPE LT4" serial=TLT4000218 firmware=T510
logicaldrive 0 drives=1E:1:1,1E:1:2,1E:1:3 spares=1E:1:4 raid=5 size=100GB stripe=64 label=database access=/dev/sdb inuse=yes
logicaldrive 1 drives=1E:1:1,1E:1:2,1E:1:3 spares=1E:1:4 raid=5 size=max stripe=64 label=logs access=/dev/sdc
logicaldrive 2 drives=2E:1:1,2E:1:2,2E:1:3,2E:1:4 raid=1 size=50GB label=scratch access=/dev/sdd
logicaldrive 3 drives=2E:1:1,2E:1:2,2E:1:3,2E:1:4 raid=1 size=max access=/dev/sde
