# small: one controller in slot 1 with eight SAS drives, nothing configured.
controller slot1 model=VARNEL_V24 slot=1 pcibus=6 pcidevice=0 pcifunction=0 firmware=3.42 serial=PVNLA0100012 cache=256 batteries=1
drive 1I:1:1 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1A00101 firmware=VD04 rpm=15000
drive 1I:1:2 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1A00102 firmware=VD04 rpm=15000
drive 1I:1:3 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1A00103 firmware=VD04 rpm=15000
drive 1I:1:4 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1A00104 firmware=VD04 rpm=15000
drive 2I:1:5 interface=sas size=300GB model="ORVX DH0300FB" serial=3LM1B00105 firmware=VD07 rpm=10000
drive 2I:1:6 interface=sas size=300GB model="ORVX DH0300FB" serial=3LM1B00106 firmware=VD07 rpm=10000
drive 2I:1:7 interface=sas size=300GB model="ORVX DH0300FB" serial=3LM1B00107 firmware=VD07 rpm=10000
drive 2I:1:8 interface=sas size=300GB model="ORVX DH0300FB" serial=3LM1B00108 firmware=VD07 rpm=10000
