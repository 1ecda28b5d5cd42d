# Logical drives 0, 1 and 3: number 2 is not configured (as after deleting it).
controller slot1 model=VARNEL_V30 slot=1 pcibus=11 pcidevice=0 pcifunction=0 firmware=2.74 serial=PVNL30000001 cache=512 batteries=1
drive 1I:1:1 interface=sas size=300GB model="ORVX DH0300FB" serial=3LM2C00101 firmware=VD07 rpm=10000
drive 1I:1:2 interface=sas size=300GB model="ORVX DH0300FB" serial=3LM2C00102 firmware=VD07 rpm=10000
drive 1I:1:3 interface=sas size=300GB model="ORVX DH0300FB" serial=3LM2C00103 firmware=VD07 rpm=10000
drive 1I:1:4 interface=sas size=300GB model="ORVX DH0300FB" serial=3LM2C00104 firmware=VD07 rpm=10000
logicaldrive 0 drives=1I:1:1,1I:1:2 raid=1 size=10GB
logicaldrive 1 drives=1I:1:1,1I:1:2 raid=1 size=10GB
logicaldrive 3 drives=1I:1:3,1I:1:4 raid=1 size=max
