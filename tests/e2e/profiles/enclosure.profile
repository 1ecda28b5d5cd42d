# enclosure: the enclosure controller model, the one that fails a drive on request, with two drives.
controller slot1 model=QUOR_A slot=1 pcibus=6 pcidevice=0 pcifunction=0 firmware=3.42 serial=PQRA00100012 cache=256 batteries=1
drive 1I:1:1 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1A00101 firmware=VD04 rpm=15000
drive 1I:1:2 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1A00102 firmware=VD04 rpm=15000
controller storage1 model=QUOR_A external=yes bustype=4 firmware=3.42 serial=PQRA00100020 chassis=SGV0511020 node=5a:0e:0d:10:05:11:02:70 boxname="Shelf" cache=256 batteries=1
drive 1:1 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1A00601 firmware=VD04 rpm=15000
drive 1:2 interface=sas size=146GB model="ORVX DH0146FA" serial=3LM1A00602 firmware=VD04 rpm=15000
adapter fc1 wwn=5a:0e:0d:00:00:01:00:09 slot=4
path controller=storage1 side=A
